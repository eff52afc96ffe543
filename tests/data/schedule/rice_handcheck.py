#!/usr/bin/env python3
"""Independent day-by-day trace of the short rice season used by test_rice_balance.cpp
(5 land-preparation days, 2 of them puddling, a 20-day crop planted on 10 March, decade
ETc and decade rain). Prints the state after each day; the test checks these numbers."""
import math

# Rice record
L, P = 5, 2
stage = [None, 5, 5, 5, 5]
root_ini_crop, root_max_crop = 0.10, 0.50
puddle_depth = 0.20
p_ini, p_mid, p_late = 0.2, 0.3, 0.4
# Soil
TAM, perc_np, soil_root_cm, init_depl = 150.0, 8, 40, 50
max_wd, porosity, crack = 100, 30, 0.4
# ETc (mm/day) of March decades 1..3, wet and dry; decade rain of March
etc_wet = {1: 4.0, 2: 5.0, 3: 6.0}
etc_dry = {1: 3.0, 2: 3.5, 3: 4.0}
rain_dec = {1: 20.0, 2: 30.0, 3: 0.0}
# Options (defaults)
ricetwd, riceawd, appleff = 5, 100, 70
prepuddletdepl, prepuddleasat = 20, 100
puddletwd, puddleawd = 0, 50
soak_below = 10

stage_end = [0, 5, 10, 15, 20]
root_max = min(root_max_crop, soil_root_cm / 100)
root_ini = min(root_ini_crop, soil_root_cm / 100)
depth = root_ini_crop
inc = (root_max - root_ini) / (stage[1] + stage[2])
perc_p = math.exp((1 / 3) * math.log(perc_np))
decay = math.log(perc_p / perc_np) * (1 / P)
soak = soak_below / 100 + puddle_depth
sat_p = porosity * puddle_depth * 10
sat_pot = sat_p
tam_p = puddle_depth * TAM
sat_r = tam_r = ram_r = 0.0
dsat = sat_p
dsm = init_depl * tam_p / 100
puddle = False
last_irr = 0
count = 0
tot = dict(rain=0.0, rainloss=0.0, net=0.0, irrloss=0.0, perc=0.0)


def water(w):
    global dsm, dsat
    o = 0.0
    dsm -= w
    if dsm < 0:
        u = -dsm
        dsm = 0.0
        if u > 0:
            dsat -= u
            if dsat < -max_wd:
                o = -dsat - max_wd
                dsat = -max_wd
    return o


# 5 March = day -4, decade 1 of March, 5th day of the decade
month, dec, dind = 3, 1, 5
prev_ks = None
prev_net = None
cum_a = cum_c = 0.0
for day in range(-L + 1, stage_end[4] + 1):
    dom = 10 + day - 1  # planting 10 March; all days lie in March
    if day >= stage_end[4]:
        moist = dsm
        r = rain_dec[dec] / 2 if dind in (3, 7) else 0.0
        if r > 0:
            tot['rain'] += r
            tot['rainloss'] += water(r)
        print(f"close day={day} dom={dom} ks={prev_ks!r} moist={moist!r} tot={tot}")
        break
    e1, e2 = etc_wet[dec], etc_dry[dec]
    if dsat <= 0:
        etc = e1
    elif dsm == 0:
        s = sat_p if day <= 0 or sat_r == 0 else sat_r
        etc = e1 + (e2 - e1) * dsat / s
    else:
        etc = e2
    if day <= 0:
        st = 'E' if day <= -P else 'F'
        if day == -P + 2:
            puddle = True
    else:
        st = 'A' if day <= stage_end[1] else 'B' if day <= stage_end[2] else \
            'C' if day <= stage_end[3] else 'D'
    r = rain_dec[dec] / 2 if dind in (3, 7) else 0.0
    if r > 0:
        tot['rain'] += r
        tot['rainloss'] += water(r)
    if day <= 0:
        t = puddle_depth * 250
        ks = 1.0 if dsm < 0.33 * t else max(0.0, (t - dsm) / (t - 0.33 * t))
    else:
        limit = min(puddle_depth, root_max) if puddle else root_max
        if st == 'A':
            p = p_ini
        elif st == 'B':
            p = p_ini + (p_mid - p_ini) * (day - stage[1]) / stage[2]
        elif st == 'C':
            p = p_mid
        else:
            p = p_mid + (p_late - p_mid) * (day - stage[1] - stage[2] - stage[3]) / stage[4]
        if st in 'AB':
            depth = min(depth + inc, limit)
        tam_r = depth * TAM
        ram_r = p * tam_r
        sat_r = porosity * depth * 10
        if sat_p > sat_r:
            sat_pot = sat_p
        else:
            sat_pot = sat_p = sat_r
        if tam_r > tam_p:
            tam_p = tam_r
        ks = min(1.0, max(0.0, (tam_r - dsm) / (tam_r - ram_r)))
    eta = ks * etc
    if st == 'E':
        puddle = False
        rate = perc_np
    elif st == 'F':
        if dsm > 0 and day > -P + 1 and puddle:
            puddle = False
        rate = perc_np * math.exp((P + day - 1) * decay) if puddle else perc_np
    else:
        if puddle and dsm > crack * tam_p:
            puddle = False
        rate = perc_p if puddle else perc_np
    if dsat >= sat_pot:
        d = 0.0
    elif dsat <= 0:
        d = rate
    else:
        d = (1 - dsat / sat_pot) * rate
    if dsat + d > sat_pot:
        d = sat_pot - dsat
    if day <= 0:
        dsat += d + eta
        if dsat > sat_p:
            dsm += dsat - sat_p
            dsat = sat_p
        dsm = min(dsm, tam_p)
    else:
        dsat += d
        dsat = min(dsat, sat_pot)
        if dsat < sat_r:
            dsat += eta
            if dsat > sat_r:
                dsm += dsat - sat_r
                dsat = sat_r
        else:
            dsm += eta
    tot['perc'] += d
    row_sm, row_sat = dsm, dsat
    if prev_net is None or prev_net != 0:
        cum_a, cum_c = eta, etc
    else:
        cum_a += eta
        cum_c += etc
    # irrigation due
    if st == 'E':
        due = day == -L + 1 or dsm >= prepuddletdepl / 100 * tam_p
    elif st == 'F':
        due = dsat >= -puddletwd
    else:
        due = dsat >= -ricetwd
    net = 0.0
    loss = 0.0
    if due:
        count += 1
        last_irr = day
        if st == 'E':
            n = dsat + dsm * soak / puddle_depth if day == -L + 1 else \
                dsat - (100 - prepuddleasat) / 100 * sat_p
        elif st == 'F':
            n = puddleawd + dsat
        else:
            n = riceawd + dsat
        if n >= 0:
            net = n
            tot['net'] += n
            loss = water(n)
            tot['irrloss'] += loss
    pstate = 1 if puddle else 2 if day >= -P + 2 else 0
    print(f"day={day} st={st} etc={etc!r} ks={ks!r} eta={eta!r} perc={d!r} "
          f"sm={row_sm!r} sat={row_sat!r} net={net!r} loss={loss!r} "
          f"end_sm={dsm!r} end_sat={dsat!r} puddle={pstate} cumA={cum_a!r} cumC={cum_c!r} "
          f"satP={sat_p!r} tamP={tam_p!r} satR={sat_r!r} tamR={tam_r!r} ramR={ram_r!r}")
    prev_net = net
    prev_ks = ks
    dind += 1
    if dind > (10 if dec < 3 else 11):
        dind = 1
        dec += 1
