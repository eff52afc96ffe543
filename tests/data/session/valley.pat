VESKARO 8.0 Crop pattern data
2
Valley
maize
01/04/1994
60
maize.cro
15/09
40
