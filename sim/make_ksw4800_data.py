#!/usr/bin/env python3
"""Writes sim/data/ksw4800.snmprec, the default data of ksw-sim: a KSW-4800
as the front panel and the first views see it.

Run after a build:  cmake --build build --target ksw4800_data
(or python3 sim/make_ksw4800_data.py [--definitions PATH-OF-definitions_dump])
"""
import json
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def definitions_program():
    """The definitions_dump program: --definitions PATH, else the one in build/."""
    args = sys.argv[1:]
    if len(args) == 2 and args[0] == "--definitions":
        return args[1]
    if args:
        raise SystemExit("usage: make_ksw4800_data.py [--definitions PATH-OF-definitions_dump]")
    path = os.path.join(ROOT, "build", "tools", "definitions_dump")
    if not os.path.exists(path):
        raise SystemExit(f"{path} is missing: build it first (scripts/build), or name it with --definitions")
    return path


# The program's definition tables with their bindings, and its port counts.
DEFINITIONS = json.loads(subprocess.run([definitions_program()], check=True, stdout=subprocess.PIPE).stdout)
PORTS = DEFINITIONS["ports"]
RULE_PORTS = DEFINITIONS["rulePorts"]  # an access rule's port list
PORT_LIST_OCTETS = (PORTS + 7) // 8  # one bit per port, first port in the top bit
ALL_PORTS = "%0*x" % (PORT_LIST_OCTETS * 2, ((1 << PORTS) - 1) << (PORT_LIST_OCTETS * 8 - PORTS))
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


def gigabit(p):
    """The last two ports are the gigabit uplinks."""
    return p > PORTS - 2


def speed(p):
    return 1000000000 if gigabit(p) else 100000000


# system
obj("1.3.6.1.2.1.1.1.0", 4, f"KSW-4800 {PORTS}-port managed Ethernet switch")
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
            18: (4, "uplink" if gigabit(p) else ""),
            19: (67, 0),
        }[col]
        obj(f"{IFX}.{col}.{p}", *v)
writable(f"{IFX}.14", 2, (1, 2))
writable(f"{IFX}.16", 2, (1, 2))
writable(f"{IFX}.18", 4, (0, 64))

# 802.1Q static VLANs (creatable)
VLAN = "1.3.6.1.2.1.17.7.1.4.3.1"
obj(f"{VLAN}.1.1", 4, "default")
obj(f"{VLAN}.2.1", "4x", ALL_PORTS)
obj(f"{VLAN}.3.1", "4x", "00" * PORT_LIST_OCTETS)
obj(f"{VLAN}.4.1", "4x", ALL_PORTS)
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


# ---------------------------------------------------------------------------
# Every view and dedicated dialog.  The objects come from the program's own
# definition tables (defs/), as the build's definitions_dump prints them with
# the list kind and key count of every binding, so a view added there is served
# once this script runs again; the rules below give each table its rows and
# each column a plausible value of its syntax.  Objects written above are kept
# as they are.

import itertools
import re

ENGINE_ID = "ksw-sim".encode("ascii").hex()  # the agent's default engine id (see SimOptions)
PORT_NUMBERS = list(range(1, PORTS + 1))
VLANS = [1, 10, 20]
MAC_KEYS = ["000a7b200001", "000a7b200002"]

# The program's syntax keywords and the names this script gives them.
SYNTAX_NAMES = {"integer": "Integer", "bitstr": "BitStr", "octetstr": "OctetStr", "objectid": "ObjectId",
                "ipaddress": "IpAddress", "counter": "Counter", "guage": "Gauge", "timeticks": "TimeTicks",
                "counter64": "Counter64", "macaddress": "MacAddress", "displaystr": "DisplayStr",
                "ipv6address": "Ipv6Address"}
SYNTAX_TAG = {"Integer": 2, "BitStr": 4, "OctetStr": 4, "ObjectId": 6, "IpAddress": 64, "Counter": 65, "Gauge": 66,
              "TimeTicks": 67, "Counter64": 70, "MacAddress": 4, "DisplayStr": 4, "Ipv6Address": 4}


class Col:
    def __init__(self, oid, caption, syntax, access, options=None):
        self.oid, self.caption, self.syntax, self.access, self.options = oid, caption, syntax, access, options

    @property
    def key(self):
        return self.access in ("Key", "ImpliedKey")


class Table:
    def __init__(self, name, cols, keys=0, scalar=None):
        self.name, self.cols, self.keys = name, cols, keys
        key_cols = [c for c in cols if c.key]
        self.scalar = (not key_cols and keys == 0) if scalar is None else scalar


whole_instances = []


def read_definition_tables():
    """Every definition table, with the most keys any of its bindings gives it.  A
    table bound only as whole instances (the front panel's objects, which the
    code gives their instances) is left to the objects written above and to
    the other tables, but each of its objects must be served."""
    tables = []
    for t in DEFINITIONS["tables"]:
        if all(b["kind"] == "MVT_SV" and b["keys"] == 0 for b in t["bindings"]):
            whole_instances.append(t)
            continue
        cols = [Col(c["oid"], c["caption"], SYNTAX_NAMES[c["syntax"]], c["access"],
                    [tuple(o) for o in c["options"]] if "options" in c else None) for c in t["columns"]]
        tables.append(Table(t["name"], cols, max(b["keys"] for b in t["bindings"])))
    return tables


# Tables whose definitions name a key but whose readable objects are scalars:
# the bridge's spanning-tree group, read as a one-row table.
SCALAR_TABLES = {"BridgeStpPortTableDefs"}

# Rows of tables whose keys are not independent of each other (key values in
# key order).  Other tables get every combination of their keys' values.
ROWS = {
    "MacAuthStateTableDefs": [(MAC_KEYS[0], 3), (MAC_KEYS[1], 7)],
    "MacAuthStatsTableDefs": [(MAC_KEYS[0], 3), (MAC_KEYS[1], 7)],
    "MacAuthDiagTableDefs": [(MAC_KEYS[0], 3), (MAC_KEYS[1], 7)],
    "MacAuthSessionStatsDefs": [(MAC_KEYS[0], 3), (MAC_KEYS[1], 7)],
    "UnicastForwardingDefs": [(1, MAC_KEYS[0]), (1, MAC_KEYS[1]), (10, "000a7b200010"), (20, "000a7b200020")],
    "MacBindingBlockedDefs": [(10, "000a7b2000b1"), (20, "000a7b2000b2")],
    "VlanCurrentTableDefs": [(0, v) for v in VLANS],
    "UsmUserTableDefs": [(ENGINE_ID, "initial"), (ENGINE_ID, "monitor")],
    "VacmSecurityToGroupDefs": [(1, "public"), (2, "public"), (2, "private"), (3, "initial")],
    "VacmAccessTableDefs": [("public", "", 2, 1), ("private", "", 2, 1), ("initial", "", 3, 3)],
    "VacmViewTreeFamilyDefs": [("all", "1"), ("restricted", "1.3.6.1.2.1.1")],
    "TargetAddressTableDefs": [("nms1",), ("nms2",)],
    "TargetParamsTableDefs": [("v2cparams",), ("v3params",)],
    "NotifyTableDefs": [("trapNotify",)],
    "NotifyFilterProfileDefs": [("nms1",)],
    "NotifyFilterTableDefs": [("filter1", "1.3.6.1.6.3.1.1.5")],
    "CommunityTableDefs": [("public",), ("private",)],
    "TargetAddrExtTableDefs": [("nms1",), ("nms2",)],
    "RadiusServerTableDefs": [(1, "secret1"), (2, "secret2")],
    "DhcpRelayServerDefs": [("System", "192.0.2.67")],
    "AacServerGroupTableDefs": [("radius",), ("tacacs+",), ("group1",)],
    "IgmpGroupTableDefs": [(10, "239.1.1.1"), (10, "239.1.1.2"), (20, "239.1.2.1")],
    "PingControlTableDefs": [("admin", "probe1"), ("admin", "probe2")],
    "PingResultsTableDefs": [("admin", "probe1"), ("admin", "probe2")],
    "MacBindingInformationDefs": [("192.0.2.21",), ("192.0.2.22",)],
    "LoginMethodListDefs": [("default",), ("console",)],
    "EnableMethodListDefs": [("default",), ("console",)],
    "AuthServerDefs": [("192.0.2.31", 3), ("192.0.2.32", 4)],
    "ServerGroupControlDefs": [("group1", "192.0.2.32", 4)],
}

# Values of the keys of other tables, by key caption (first match wins).
KEY_VALUES = [
    (r"user priority|traffic class priority|regen user priority|^priority index$", list(range(8))),
    (r"scheduling class", list(range(4))),
    (r"unit", [1]),
    (r"power id", [1, 2]),
    (r"agg index|trunk index|file index|multi image|^id$|^index$|server index|service index|acc server index",
     [1, 2]),
    (r"port|if index|trafficctrlgroup", PORT_NUMBERS),
    (r"vlan|^vid$|fdb id|blocked vid", VLANS),
    (r"profile id", [1, 2, 3]),
    (r"access id", [1, 2]),
    (r"mstp inst", [0, 1, 2]),
    (r"owner index", ["admin"]),
    (r"test name", ["probe1", "probe2"]),
    (r"hop index", [1, 2, 3]),
    (r"mac", MAC_KEYS),
    (r"time mark", [0]),
]


def key_values(col):
    for pattern, values in KEY_VALUES:
        if re.search(pattern, col.caption, re.I):
            return values
    raise SystemExit(f"no key values for \"{col.caption}\"")


def octets_of_text(value, syntax):
    if syntax == "MacAddress" or (syntax in ("OctetStr", "BitStr") and re.fullmatch(r"([0-9a-f]{2})*", value)):
        return list(bytes.fromhex(value))
    return list(value.encode("ascii"))


def encode_key(value, col, last):
    """The instance arcs of one key value, as the program encodes it."""
    implied = col.access == "ImpliedKey" and last
    s = col.syntax
    if s in ("Integer", "Gauge", "TimeTicks", "Counter"):
        return [int(value)]
    if s == "IpAddress":
        return [int(a) for a in value.split(".")]
    if s == "MacAddress":
        return octets_of_text(value, s)
    if s == "ObjectId":
        arcs = [int(a) for a in value.split(".")]
    elif s == "DisplayStr" and col.caption.startswith("PAE MAC"):
        arcs = octets_of_text(value, "MacAddress")  # a MAC address kept as a string key
    else:
        arcs = octets_of_text(value, s)
    return arcs if implied else [len(arcs)] + arcs


def port_bits(ports):
    bits = 0
    for p in ports:
        bits |= 1 << (PORT_LIST_OCTETS * 8 - p)
    return "%0*x" % (PORT_LIST_OCTETS * 2, bits)


def vlan_ports(vid):
    return {1: ALL_PORTS, 10: port_bits(range(9, 17)), 20: port_bits(range(17, 25))}.get(vid, port_bits([]))


def caption_range(caption):
    m = re.search(r"[\[(]\s*(-?\d+)\s*-\s*(-?\d+)\s*[\])]", caption)
    return (int(m.group(1)), int(m.group(2))) if m else None


# Integer columns without an option list: (caption pattern, value, writable range or None).
INTEGERS = [
    (r"rule priority|access priority", 0, (0, 7)),
    (r"tcp flag|flag bits", 0, (0, 63)),
    (r"proto id", 6, (0, 255)),
    (r"^rule (type|code)$", 0, (0, 255)),
    (r"unit ?i ?ndex|unit ?id|unitindex|num of unit", 1, None),
    (r"agg id", 1, None),
    (r"ms number", 2, None),
    (r"revision level", 0, (0, 65535)),
    (r"collector max delay", 0, (0, 65535)),
    (r"acc.* port number", 1813, None),
    (r"server port number", 1812, None),
    (r"module type", 1, None),
    (r"trunk max supported", 6, None),
    (r"trunk current num", 2, None),
    (r"query count", 12, None),
    (r"report count", 3, None),
    (r"max session", 8, None),
    (r"engine boots", 1, None),
    (r"engine time", 3600, None),
    (r"^summer time offset$", 60, (30, 120)),
    (r"^mstp stp max ?age$", 2000, (600, 4000)),
    (r"^mstp stp hello time$", 200, (100, 1000)),
    (r"^mstp stp forward delay$", 1500, (400, 3000)),
    (r"^mstp stp max hops$", 20, (1, 20)),
    (r"tx ?hold ?count", 3, (1, 10)),
    (r"lbd recover time", 60, (0, 1000000)),
    (r"^holdtime$|^hold time$", 100, (100, 255)),
    (r"time interval", 60, (30, 90)),
    (r"^cas source$", 1, (1, 32)),
    (r"bridge ?max ?age|^stp max age$|^max age$", 2000, (600, 4000)),
    (r"bridge ?hello ?time|^stp hello time$|hellotime", 200, (100, 1000)),
    (r"bridge ?forward ?delay|^stp forward delay$|^forward delay$", 1500, (400, 3000)),
    (r"stp ?priority|^priority$|system priority", 32768, (0, 61440)),
    (r"port priority", 128, (0, 240)),
    (r"path cost|root cost|designated cost", 200000, (1, 200000000)),
    (r"^stp hold time$", 100, None),
    (r"remain hops", 20, None),
    (r"cpu utilization", 7, None),
    (r"version", 1, None),
    (r"time zone", 480, (-779, 839)),
    (r"poll interval", 720, (30, 99999)),
    (r"udp port", 514, (1, 65535)),
    (r"join time", 20, (0, 2147483647)),
    (r"leave all time", 1000, (0, 2147483647)),
    (r"leave time", 60, (0, 2147483647)),
    (r"default user priority", 0, (0, 7)),
    (r"num traffic classes", 4, (1, 8)),
    (r"traffic class$|user priority|^regen user priority$|^priority$|8021p|class$", 0, (0, 7)),
    (r"dscp", 0, (0, 63)),
    (r"num of if", 1, None),
    (r"num(ber)? of ports|total num of port", PORTS, None),
    (r"in use", 14, None),
    (r"max vlan id", 4094, None),
    (r"vlan id|vid", 1, (1, 4094)),
    (r"master port|target port|^port index$|trunk flooding port|fdb port|blocked port|start port", None, (1, PORTS)),
    (r"port range", PORTS, None),
    (r"max learned", 1, (0, 64)),
    (r"rate", 1000, (1, 1000)),
    (r"max packets", 10, (0, 255)),
    (r"latency", 0, (0, 255)),
    (r"query interval", 125, (1, 65535)),
    (r"response time", 10, (1, 25)),
    (r"robustness", 2, (1, 255)),
    (r"timeout|timer|time out", 260, (1, 65535)),
    (r"hop count", 4, (1, 16)),
    (r"threshold", 100, (0, 1000000)),
    (r"count down|interval", 30, (0, 3600)),
    (r"attempt", 3, (1, 255)),
    (r"max (login|enable) method", 8, None),
    (r"max server group", 8, None),
    (r"max server", 16, None),
    (r"max supported vlans", 256, None),
    (r"max ip group", 256, None),
    (r"size", 1, (1, 500)),
    (r"spin lock", 0, (0, 2147483647)),
    (r"mpmodel", 1, (0, 3)),
    (r"security model", 2, (0, 3)),
    (r"retry", 3, (0, 255)),
    (r"mms", 1472, (484, 65535)),
    (r"key", 1, (0, 65535)),
    (r"port$", 1, (1, 65535)),
]


def integer_value(col, ctx):
    for pattern, value, rng in INTEGERS:
        if re.search(pattern, col.caption, re.I):
            return (ctx.get("port", 1) if value is None else value), rng
    rng = caption_range(col.caption)
    return (rng[0] if rng else ctx["n"]), rng


# Text columns: (caption pattern, text); {n} is the row number.
TEXTS = [
    (r"summer|capability|capabilities", None),
    (r"version", "1.02.008"),
    (r"(current|boot) time|update time", "2026-12-10 09:30:00"),
    (r"up ?time", "0 days 05:12:44"),
    (r"platform", "KSW-4800"),
    (r"device name|module name|^name$", "KSW-4800-{n}"),
    (r"target address|source address|last good|ip target|server address", "192.0.2.{n}"),
    (r"descr|description", "KSW-4800 item {n}"),
    (r"path|^file$", "/cfg/ksw4800-{n}.cfg"),
    (r"method", "local"),
    (r"rule vlan|vlan name|static name", "default"),
    (r"security name|user name|send user", "initial"),
    (r"group name|read view|write view|notify view", "public"),
    (r"community name", "public"),
    (r"params", "v2cparams"),
    (r"tag", "trap"),
    (r"context name|misc options|public|password|auth key", ""),
    (r"identifier", "ksw4800"),
    (r"session id", "session-{n}"),
    (r"designated|root", "8000000a7b000000"),
    (r"ipv6 mask", "ffffffffffffffffffffffffffffffff"),
    (r"from$", "192.0.2.8"),
]


def display_value(col, ctx):
    for pattern, text in TEXTS:
        if re.search(pattern, col.caption, re.I) and text is not None:
            return text.format(n=ctx["n"])
    return col.caption.strip().split()[-1].lower() + str(ctx["n"])


# Octet string columns: (caption pattern, hex value or a function of the row).
OCTETS = [
    (r"equipment capacity", "40"),
    (r"repeat summer time start", "000001030200"),  # last Sunday of March, 02:00
    (r"repeat summer time end", "0000010a0300"),  # last Sunday of October, 03:00
    (r"annual summer time start", "1e030200"),
    (r"annual summer time end", "1a0a0300"),
    # access rules: one ingress port each, in a rule's list of RULE_PORTS ports
    (r"^rule port$", lambda ctx, col: "%0*x" % (RULE_PORTS // 4, 1 << (RULE_PORTS - ctx["n"]))),
    (r"egress|untagged|forbidden", lambda ctx, col: vlan_ports(ctx.get("vlan", 1))
        if "forbidden" not in col.caption.lower() else port_bits([])),
    (r"port capabilities|device capabilities", "c0"),
    (r"actor .*state|partner .*state", "3d"),
    (r"offset", "00" * 16),
    (r"ether type", "0800"),
    (r"port mask", "ffff"),
    (r"user mask|proto id mask", "ffffffff"),
    (r"ipv6 mask", "ff" * 16),
    (r"flow label", "000000"),
    (r"vlan range", lambda ctx, col: ("80" if "[1-" in col.caption and ctx.get("mstp", 0) == 0 else "00") + "00" * 7),
    (r"bridge|root", "8000000a7b000000"),
    (r"led status", lambda ctx, col: port_bits(sorted(UP))),  # ports whose link LED is lit
    (r"time capacity", "01"),
    (r"cipher", "0f"),
    (r"engine ?id", ENGINE_ID),
    (r"taddress", "c000026400a2"),
    (r"tmask", "ffffffff0000"),
    (r"tag list", "74726170"),
    (r"key change|mask|context prefix", ""),
    (r"trunk member", lambda ctx, col: port_bits(range(41 + 2 * ctx["n"], 43 + 2 * ctx["n"]))),
    (r"agg port$", lambda ctx, col: port_bits(range(44 + 2 * ctx["n"], 46 + 2 * ctx["n"]))),
    (r"port|member|ports|port list|port map|source (ingress|egress)", lambda ctx, col: port_bits(range(1, 9))),
]


def octet_value(col, ctx):
    for pattern, value in OCTETS:
        if re.search(pattern, col.caption, re.I):
            return value(ctx, col) if callable(value) else value
    return "00"


# Per-port states, by option label, that follow the interfaces above: every port
# enabled, the link up where ifOperStatus is up, the uplinks gigabit.
PORT_STATES = [
    (r"^port ctrl admin state$", lambda p: "enabled"),
    (r"^link status$", lambda p: "link-pass" if oper(p) == 1 else "link-fail"),
    (r"^nway status$", lambda p: ("full-1Gigabps" if gigabit(p) else "full-100Mbps") if oper(p) == 1 else "auto"),
    (r"^type$", lambda p: "portType-1000Base-TX" if gigabit(p) else "portType-100Base-TX"),
    (r"^stp port state$", lambda p: "forwarding" if oper(p) == 1 else "disabled"),
]


def port_state(col, ctx):
    """The value of a per-port state column, or None where no rule speaks for it."""
    if "port" not in ctx:
        return None
    for pattern, label_of in PORT_STATES:
        if re.search(pattern, col.caption, re.I):
            label = label_of(ctx["port"])
            for v, option, _text in col.options:
                if option == label:
                    return v
            raise SystemExit(f"\"{col.caption}\" has no option \"{label}\"")
    return None


def first_choice(options):
    for v, label, text in options:
        if label.lower() not in ("other", "invalid", "unknown", "none"):
            return v, text
    return options[0][0], options[0][2]


# Values a view's row status column creates and destroys a row with, where they
# are not RowStatus's createAndGo (4) and destroy (6).
ROW_ACTIONS = {("DhcpRelayServerDefs", "Ctrl State"): (3, 2), ("ServerGroupControlDefs", "Row State"): (1, 2)}

# Values chosen by hand where the generic rules would be implausible.
VALUES = {
    ("AacServerGroupTableDefs", "IP Address1"): lambda ctx: {"radius": "192.0.2.32", "tacacs+": "192.0.2.31",
                                                               "group1": "192.0.2.32"}[ctx["keys"][0]],
    ("AacServerGroupTableDefs", "Auth Protocol1"): lambda ctx: 3 if ctx["keys"][0] == "tacacs+" else 4,
    **{("AacServerGroupTableDefs", f"IP Address{i}"): "0.0.0.0" for i in range(2, 9)},  # unused slots
    **{("AacServerGroupTableDefs", f"Auth Protocol{i}"): 5 for i in range(2, 9)},
    ("LoginMethodListDefs", "Method1 Type"): lambda ctx: 5 if ctx["n"] == 1 else 6,
    ("LoginMethodListDefs", "Method3 Type"): 9,
    ("LoginMethodListDefs", "Method4 Type"): 9,
    ("EnableMethodListDefs", "Method3 Type"): 9,
    ("EnableMethodListDefs", "Method4 Type"): 9,
    ("LoginMethodListDefs", "Method1 Server Group"): lambda ctx: "group1" if ctx["n"] == 1 else "",
    **{(t, f"Method{i} Server Group"): "" for t in ("LoginMethodListDefs", "EnableMethodListDefs") for i in range(1, 5)
       if (t, i) != ("LoginMethodListDefs", 1)},
    ("LoginMethodListDefs", "Method2 Type"): lambda ctx: 6 if ctx["n"] == 1 else 9,
    ("EnableMethodListDefs", "Method1 Type"): lambda ctx: 4 if ctx["n"] == 1 else 7,
    ("EnableMethodListDefs", "Method2 Type"): lambda ctx: 7 if ctx["n"] == 1 else 9,
    ("AuthServerDefs", "Auth Port"): lambda ctx: 49 if ctx["keys"][1] == 3 else 1812,
    ("AuthServerDefs", "Auth Key"): lambda ctx: "secret" if ctx["keys"][1] == 4 else "tacplus",
    ("AuthServerDefs", "Timeout"): 5,
    ("AuthServerDefs", "Retry Count"): 2,
    ("MemberSwitchDefs", "Device Name"): lambda ctx: f"member-{ctx['n']}",
    ("MemberSwitchDefs", "MAC Address"): lambda ctx: "000a7b3000%02x" % ctx["n"],
    ("MemberSwitchDefs", "Capability"): "L2 switch",
    ("MemberSwitchDefs", "Password"): "",
    ("MemberSwitchDefs", "Cas Source"): lambda ctx: ctx["n"],
    ("EquipmentDefs", "Max SupportedUnits"): 4,
    ("SummerTimeDefs", "Summer Time Status"): 1,
    ("VlanStaticTableDefs", "VLAN Static Name"): lambda ctx: {1: "default", 10: "sales", 20: "voice"}[ctx["vlan"]],
    ("VlanPortTableDefs", "PVID"): lambda ctx: 10 if 9 <= ctx["port"] <= 16 else 20 if 17 <= ctx["port"] <= 24 else 1,
    ("VlanCurrentTableDefs", "VLAN FDB ID"): lambda ctx: ctx["vlan"],
    ("IgmpGroupTableDefs", "Port Map"): lambda ctx: vlan_ports(ctx["vlan"]),
    ("PortTrunkTableDefs", "Trunk Master Port"): lambda ctx: 43 + 2 * ctx["n"],
    ("PortTrunkTableDefs", "Trunk Name"): lambda ctx: f"trunk{ctx['n']}",
}
# Writable ranges that the generic rules would not give.
RANGES = {
    ("AuthServerDefs", "Auth Port"): (1, 65535),
    ("AuthServerDefs", "Auth Key"): (0, 254),
    ("AuthServerDefs", "Timeout"): (1, 255),
    ("AuthServerDefs", "Retry Count"): (1, 255),
    ("LoginMethodListDefs", "MethodList Name"): (1, 15),
    ("EnableMethodListDefs", "MethodList Name"): (1, 15),
}
MEMBER_ROWS = [(1,), (2,)]
ROWS["MemberSwitchDefs"] = MEMBER_ROWS


def column_value(table, col, ctx):
    """(tag text, value text, writable rule arguments) of one column in one row."""
    s = col.syntax
    fixed = VALUES.get((table.name, col.caption))
    if fixed is not None:
        fixed = fixed(ctx) if callable(fixed) else fixed
    rng = None
    if s == "Integer":
        if col.options:
            v = first_choice(col.options)[0]
            if any(label.lower() == "active" for _, label, _t in col.options):
                v = 1
            if re.search(r"owner$", col.caption, re.I):
                v = 1  # "acl": made through the access lists
            state = port_state(col, ctx)
            if state is not None:
                v = state
            values = [o[0] for o in col.options]
            rng = (min(values), max(values))
        else:
            v, rng = integer_value(col, ctx)
        return "2", str(fixed if fixed is not None else v), rng
    if s == "ObjectId":
        if col.options:
            return "6", col.options[-1][2], None
        return "6", fixed or "1.3.6.1.2.1.81.1.4", None
    if s == "IpAddress":
        if fixed is not None:
            return "64", fixed, None
        if re.search(r"mask", col.caption, re.I):
            return "64", "255.255.255.0", None
        if re.search(r"^to ip", col.caption, re.I):
            return "64", "239.255.255.255", None
        if re.search(r"^from ip", col.caption, re.I):
            return "64", "224.0.0.0", None
        return "64", "192.0.2.%d" % (9 + ctx["n"]), None
    if s in ("Counter", "Gauge", "TimeTicks", "Counter64"):
        if s == "Gauge" and re.search(r"acct ?port", col.caption, re.I):
            v = 1813
        elif s == "Gauge" and re.search(r"port number|auth port", col.caption, re.I):
            v = 1812
        elif s == "Gauge" and re.search(r"pvid|fdb id", col.caption, re.I):
            v = ctx.get("vlan", 1)
        elif s == "Gauge" and re.search(r"max supported vlans", col.caption, re.I):
            v = 256
        elif s == "Gauge" and re.search(r"num vlans", col.caption, re.I):
            v = len(VLANS)
        else:
            seed = sum(map(ord, col.caption)) % 97 + 1
            v = {"Counter": seed * 1000 * ctx["n"], "Gauge": seed % 10 + 1, "TimeTicks": 360000 + seed * ctx["n"],
                 "Counter64": seed * 4294967296 * ctx["n"]}[s]
        if fixed is not None:
            v = fixed
        return str(SYNTAX_TAG[s]), str(v), (0, 4294967295) if s == "Gauge" else None
    if s == "DisplayStr":
        v = fixed if fixed is not None else display_value(col, ctx)
        return "4", v, (0, 255)
    if s == "MacAddress":
        v = fixed or ("ffffffffffff" if re.search(r"mask", col.caption, re.I) else "000a7b1000%02x" % ctx["n"])
        return "4x", v, (6, 6)
    if s == "Ipv6Address":
        v = "20010db8" + "00" * 11 + "%02x" % ctx["n"]
        return "4x", v, (16, 16)
    v = fixed if fixed is not None else octet_value(col, ctx)
    n = len(v) // 2
    return "4x", v, (n, n) if n else (0, 64)


def present(prefix):
    p = prefix + "."
    return any(line.startswith(p) for line in lines) or any(
        d.split()[1] == prefix or prefix.startswith(d.split()[1] + ".") for d in directives if d.startswith("#!writable"))


def add_views(tables):
    done = set()
    for table in tables:
        scalar = table.scalar or table.name in SCALAR_TABLES
        key_cols = [c for c in table.cols if c.key]
        indexed_by_first = not scalar and not key_cols  # the first column holds the row's index
        if indexed_by_first:
            key_cols = [Col(table.cols[0].oid, table.cols[0].caption, "Integer", "Key")]
        rows = [((), [0])]
        if not scalar:
            tuples = ROWS.get(table.name) or list(itertools.product(*[key_values(c) for c in key_cols]))
            rows = []
            for t in tuples:
                arcs = []
                for i, (c, v) in enumerate(zip(key_cols, t)):
                    arcs += encode_key(v, c, i == len(key_cols) - 1)
                rows.append((t, arcs))
        for c in table.cols:
            if c.key or not c.oid.strip() or c.oid in done or present(c.oid):
                continue
            done.add(c.oid)
            rule = None
            for n, (keys, arcs) in enumerate(rows, start=1):
                ctx = {"n": n, "keys": keys}
                for kc, v in zip(key_cols, keys):
                    cap = kc.caption.lower()
                    if re.search(r"port|if index|trafficctrlgroup", cap) and isinstance(v, int):
                        ctx.setdefault("port", v)
                    if re.search(r"vlan|^vid$|fdb id", cap) and isinstance(v, int):
                        ctx.setdefault("vlan", v)
                    if "mstp inst" in cap:
                        ctx["mstp"] = v
                if indexed_by_first and c is table.cols[0]:
                    tag, value, rng = "2", str(keys[0]), None
                else:
                    tag, value, rng = column_value(table, c, ctx)
                obj(c.oid + "." + ".".join(map(str, arcs)), tag, value)
                rule = (int(tag.rstrip("x")), RANGES.get((table.name, c.caption), rng))
            if c.access == "ReadWrite" and rule:
                writable(c.oid, *rule)
                if c.options and any(label.lower() == "createandgo" for _, label, _t in c.options):
                    directives.append(f"#!rowstatus {c.oid}")
                elif (table.name, c.caption) in ROW_ACTIONS:
                    create, destroy = ROW_ACTIONS[(table.name, c.caption)]
                    directives.append(f"#!rowstatus {c.oid} {create} {destroy}")


# More static VLANs beside the default one, with their current entries.
for vid, name in ((10, "sales"), (20, "voice")):
    obj(f"{VLAN}.1.{vid}", 4, name)
    obj(f"{VLAN}.2.{vid}", "4x", vlan_ports(vid))
    obj(f"{VLAN}.3.{vid}", "4x", port_bits([]))
    obj(f"{VLAN}.4.{vid}", "4x", vlan_ports(vid))
    obj(f"{VLAN}.5.{vid}", 2, 1)

add_views(read_definition_tables())
for table in whole_instances:
    for c in table["columns"]:
        if c["access"] in ("Key", "ImpliedKey"):
            continue
        if not (present(c["oid"]) or any(line.split("|", 1)[0] == c["oid"] for line in lines)):
            raise SystemExit(f"{table['name']}: {c['oid']} is not served")


# A packet-content rule's offset window holds up to 16 octets: the rule editor
# writes what the user typed, and a window may also be left empty.
ACL_PACKET_RULE_WINDOWS = [f"{ENT}.12.9.2.3.1.{col}" for col in range(3, 8)]


def fit_acl_packet_rule_windows():
    for i, d in enumerate(directives):
        words = d.split()
        if words[0] == "#!writable" and words[1] in ACL_PACKET_RULE_WINDOWS:
            directives[i] = f"#!writable {words[1]} 4 0..16"


fit_acl_packet_rule_windows()

def oid_key(line):
    return [int(a) for a in line.split("|", 1)[0].split(".")]


here = os.path.dirname(os.path.abspath(__file__))
path = os.path.join(here, "data", "ksw4800.snmprec")
os.makedirs(os.path.dirname(path), exist_ok=True)
# Written whole or not at all: a file of its own beside the data, then renamed.
fd, tmp = tempfile.mkstemp(prefix=".ksw4800.", suffix=".tmp", dir=os.path.dirname(path))
try:
    with os.fdopen(fd, "w", encoding="ascii", newline="\n") as f:
        f.write("# KSW-4800 as ksw-sim serves it by default; written by sim/make_ksw4800_data.py\n")
        f.write("# OID|TAG|VALUE lines; #! lines are ksw-sim directives\n")
        for d in directives:
            f.write(d + "\n")
        for line in sorted(lines, key=oid_key):
            f.write(line + "\n")
    os.chmod(tmp, 0o644)
    os.replace(tmp, path)
except BaseException:
    os.unlink(tmp)
    raise
print(f"{path}: {len(lines)} objects")
