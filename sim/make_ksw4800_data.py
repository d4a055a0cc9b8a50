#!/usr/bin/env python3
"""Writes sim/data/ksw4800.snmprec, the default data of ksw-sim: a KSW-4800
with 50 ports as the front panel and the first views see it.

Run from anywhere: python3 sim/make_ksw4800_data.py
"""
import os

PORTS = 50
UP = set(range(1, 9)) | set(range(17, 21)) | {25} | set(range(33, 37)) | {49}
TESTING = {13}
FLAP = [2, 5, 18, 34]
ENT = "1.3.6.1.4.1.97531"

lines = []
directives = []


def obj(oid, tag, value):
    lines.append(f"{oid}|{tag}|{value}")


def writable(oid, tag=None, rng=None):
    d = f"#!writable {oid}"
    if tag is not None:
        d += f" {tag}"
    if rng is not None:
        d += f" {rng[0]}..{rng[1]}"
    directives.append(d)


def oper(p):
    return 3 if p in TESTING else 1 if p in UP else 2


def speed(p):
    return 1000000000 if p > 48 else 100000000


# system
obj("1.3.6.1.2.1.1.1.0", 4, "KSW-4800 50-port managed Ethernet switch")
obj("1.3.6.1.2.1.1.2.0", 6, f"{ENT}.10.48")
obj("1.3.6.1.2.1.1.3.0", 67, 0)
obj("1.3.6.1.2.1.1.4.0", 4, "network operations")
obj("1.3.6.1.2.1.1.5.0", 4, "KSW-4800")
obj("1.3.6.1.2.1.1.6.0", 4, "lab rack 1")
obj("1.3.6.1.2.1.1.7.0", 2, 2)
for c in (4, 5, 6):
    writable(f"1.3.6.1.2.1.1.{c}.0", 4, (0, 255))

# interfaces
obj("1.3.6.1.2.1.2.1.0", 2, PORTS)
IF = "1.3.6.1.2.1.2.2.1"
for col in range(1, 23):
    for p in range(1, PORTS + 1):
        up = oper(p) == 1
        traffic = p * 7919 if up else 0
        v = {
            1: (2, p),
            2: (4, f"Port {p}"),
            3: (2, 6),
            4: (2, 1500),
            5: (66, speed(p)),
            6: ("4x", "000a7b00%02x%02x" % (p // 256, p % 256)),
            7: (2, 3 if p in TESTING else 1),
            8: (2, oper(p)),
            9: (67, 0),
            10: (65, traffic * 512),
            11: (65, traffic),
            12: (65, traffic // 10),
            13: (65, 0),
            14: (65, p % 3 if up else 0),
            15: (65, 0),
            16: (65, traffic * 480),
            17: (65, traffic - traffic // 8),
            18: (65, traffic // 12),
            19: (65, 0),
            20: (65, 0),
            21: (66, 0),
            22: (6, "0.0"),
        }[col]
        obj(f"{IF}.{col}.{p}", *v)
writable(f"{IF}.7", 2, (1, 3))

IFX = "1.3.6.1.2.1.31.1.1.1"
for col in range(1, 20):
    for p in range(1, PORTS + 1):
        up = oper(p) == 1
        traffic = p * 7919 if up else 0
        big = traffic * 4294967  # past 32 bits on busy ports
        v = {
            1: (4, f"1/{p}"),
            2: (65, traffic // 20),
            3: (65, traffic // 30),
            4: (65, traffic // 25),
            5: (65, traffic // 35),
            6: (70, big * 512),
            7: (70, big),
            8: (70, big // 20),
            9: (70, big // 30),
            10: (70, big * 480),
            11: (70, big - big // 8),
            12: (70, big // 25),
            13: (70, big // 35),
            14: (2, 1),
            15: (66, speed(p) // 1000000),
            16: (2, 2),
            17: (2, 1),
            18: (4, "uplink" if p > 48 else ""),
            19: (67, 0),
        }[col]
        obj(f"{IFX}.{col}.{p}", *v)
writable(f"{IFX}.14", 2, (1, 2))
writable(f"{IFX}.16", 2, (1, 2))
writable(f"{IFX}.18", 4, (0, 64))

# 802.1Q static VLANs (creatable)
VLAN = "1.3.6.1.2.1.17.7.1.4.3.1"
all_ports = "ffffffffffffc0"
obj(f"{VLAN}.1.1", 4, "default")
obj(f"{VLAN}.2.1", "4x", all_ports)
obj(f"{VLAN}.3.1", "4x", "00000000000000")
obj(f"{VLAN}.4.1", "4x", all_ports)
obj(f"{VLAN}.5.1", 2, 1)
writable(f"{VLAN}.1", 4, (0, 32))
for c in (2, 3, 4):
    writable(f"{VLAN}.{c}", 4, (0, 7))
directives.append(f"#!rowstatus {VLAN}.5")

# RMON state
obj(f"{ENT}.11.64.2.2.1.2.3.0", 2, 3)
writable(f"{ENT}.11.64.2.2.1.2.3.0", 2, (2, 3))

# basic information
obj(f"{ENT}.12.1.1.1.0", 2, 2)
CAP = f"{ENT}.12.1.1.2.1"
for i, (descr, ver, kind) in enumerate([("RFC1213 MIB-II", 1, 2), ("RFC2863 IF-MIB", 1, 2),
                                        ("KSW-4800 private MIB", 3, 3)], start=1):
    obj(f"{CAP}.1.{i}", 2, i)
    obj(f"{CAP}.2.{i}", 4, descr)
    obj(f"{CAP}.3.{i}", 2, ver)
    obj(f"{CAP}.4.{i}", 2, kind)
obj(f"{ENT}.12.1.1.3.0", 2, 2)   # console in use
obj(f"{ENT}.12.1.1.5.0", 2, 7)

# basic configuration and device commands
obj(f"{ENT}.12.1.2.3.0", 2, 4)   # system reset: no-reset
obj(f"{ENT}.12.1.2.4.0", 2, 2)
obj(f"{ENT}.12.1.2.6.0", 2, 2)   # save config: idle
writable(f"{ENT}.12.1.2.3.0", 2, (3, 4))
writable(f"{ENT}.12.1.2.4.0", 2, (2, 2))
writable(f"{ENT}.12.1.2.6.0", 2, (2, 3))
directives.append(f"#!reset {ENT}.12.1.2.3.0 3")
directives.append(f"#!save {ENT}.12.1.2.6.0 3")

# agent notify levels
obj(f"{ENT}.12.1.4.1.1.0", 2, 1)
obj(f"{ENT}.12.1.4.1.2.0", 2, 2)
writable(f"{ENT}.12.1.4.1", 2, (0, 2))

# power supplies: unit 1, supplies 1 and 2 working
PWR = f"{ENT}.12.11.1.6.1"
for col in (1, 2, 3):
    for supply in (1, 2):
        obj(f"{PWR}.{col}.1.{supply}", 2, {1: 1, 2: supply, 3: 3}[col])

# system log servers (creatable)
LOG = f"{ENT}.12.12.2.1"
for col, tag, value in [(1, 2, 1), (2, 64, "192.0.2.10"), (3, 2, 0), (4, 2, 1), (5, 2, 514), (6, 2, 3), (7, 2, 1)]:
    obj(f"{LOG}.{col}.1", tag, value)
writable(f"{LOG}.2", 64)
writable(f"{LOG}.3", 2, (0, 7))
writable(f"{LOG}.4", 2, (1, 3))
writable(f"{LOG}.5", 2, (1, 65535))
writable(f"{LOG}.6", 2, (1, 3))
directives.append(f"#!rowstatus {LOG}.7")

# spanning-tree version: rstp
obj(f"{ENT}.12.15.1.2.0", 2, 1)
writable(f"{ENT}.12.15.1.2.0", 2, (0, 2))

for p in FLAP:
    directives.append(f"#!flap {IF}.8.{p}")


def oid_key(line):
    return [int(a) for a in line.split("|", 1)[0].split(".")]


here = os.path.dirname(os.path.abspath(__file__))
path = os.path.join(here, "data", "ksw4800.snmprec")
os.makedirs(os.path.dirname(path), exist_ok=True)
with open(path + ".tmp", "w", encoding="ascii", newline="\n") as f:
    f.write("# KSW-4800 as ksw-sim serves it by default; written by sim/make_ksw4800_data.py\n")
    f.write("# OID|TAG|VALUE lines; #! lines are ksw-sim directives\n")
    for d in directives:
        f.write(d + "\n")
    for line in sorted(lines, key=oid_key):
        f.write(line + "\n")
os.replace(path + ".tmp", path)
print(f"{path}: {len(lines)} objects")
