VESKARO 8.0 Crop pattern data
2
Valley scheme
maize
15/03/1994
60
rice.cro
10/07
40
