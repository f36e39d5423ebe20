#!/usr/bin/env python3
"""Throughput, memory and start-up benchmark of prjmigr.

Generates synthetic legacy projects (.prj, nested .cmp campaigns, .ses
sessions), converts them with the tool, and compares the conversion with an
I/O floor: reading every legacy input once plus copying the two produced
files.  Also measures the scaling over the number of sessions and the latency
of a tiny conversion against a bare Qt 6 Core program.

Only the Python standard library is used.  Run from the repository root:

    python3 bench/run_bench.py --tool build/prjmigr

See bench/README.md for what each figure means.
"""

import argparse
import json
import math
import mmap
import os
import platform
import random
import shlex
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

BENCH_DIR = os.path.dirname(os.path.abspath(__file__))
REPO_DIR = os.path.dirname(BENCH_DIR)

# prjmigr commits both outputs through QSaveFile, which calls fdatasync on the
# new file before linking it into place (seen with
# `strace -f -e trace=fsync,fdatasync`).  The floor therefore fdatasyncs its
# copies too.  Every run probes the tool again and warns on a mismatch.
FLOOR_SYNC_DEFAULT = True

# Targets.
TARGET_N = 20000
TARGET_C = 16
TARGET_FLOOR_RATIO = 2.0
TARGET_DOUBLING = 2.2          # time ratio allowed when N doubles
TARGET_RSS_MIB = 64.0
TARGET_LATENCY_RATIO = 1.3

SESSIONS_PER_FOLDER = 40
TOP_CAMPAIGNS = 4
CAMPAIGN_FANOUT = 4
CMDLINE_SHARE = 0.02           # share of the sessions named on the command line
CMDLINE_MAX = 1000

HDR_PROJECT = b"$$$IHM NEVRA$$$PROJET"
HDR_CAMPAIGN = b"$$$IHM NEVRA$$$CAMPAGNE"
HDR_SESSION = b"$$$IHM NEVRA$$$SESSION"

PROJECT_KEYS = {b"NC ", b"IN ", b"PA ", b"LA ", b"SE ", b"OE ", b"XX ",
                b"AS ", b"VE ", b"EX ", b"AL ", b"CL "}
SESSION_KEYS = {b"CD ", b"CX ", b"FS ", b"FP ", b"LK ", b"OC ", b"CS ",
                b"DB ", b"SI ", b"OP ", b"RA ", b"VA ", b"CE ", b"OF ",
                b"NI ", b"AC ", b"FL ", b"ST "}
CAMPAIGN_KEYS = {b"FI "}


def log(msg):
    print(msg, file=sys.stderr, flush=True)


# ---------------------------------------------------------------------------
# Path rules of the legacy format: byte-wise, no normalisation.

SEPARATORS = "/\\:"


def dir_name(path):
    """Directory prefix up to and including the last separator, or ''."""
    cut = max(path.rfind(c) for c in SEPARATORS)
    return path[:cut + 1]


def is_relative(value):
    return not value or value[0] not in SEPARATORS


def resolve(file_path, value):
    """A path value of a legacy file, as the reader resolves it."""
    return dir_name(file_path) + value if is_relative(value) else value


def fold(text):
    """ASCII case folding, as the uniqueness test of scripts and sources."""
    return text.lower()   # generated texts are ASCII only


# ---------------------------------------------------------------------------
# Generator.

TARGETS = ["Host", "Arm", "Ppc", "Rx", "Mips", "TriCore", "Sh4", "Msp430"]
COMPILERS = ["Gcc", "Clang", "Diab", "Ghs", "Iar", "Keil"]
MODES = ["Debug", "Release"]
MODULE_WORDS = ["calc", "buffer", "parser", "sensor", "motor", "frame", "crc",
                "timer", "queue", "codec", "filter", "power", "radio",
                "display", "flash", "serial", "can", "eeprom", "adc", "pwm"]
SHARED_SOURCES = ["Util.c", "Buffer.c", "Parser.cpp", "Hal_Io.c", "Types.h"]
SHARED_SCRIPTS = ["Common_Init.ptu", "Stubs_Os.ptu", "Env_Setup.pts"]
ABS_SOURCES = ["/opt/nevra/targets/common/src/StdLib.c",
               "/opt/nevra/targets/common/src/Mem_Pool.c",
               "/opt/nevra/targets/common/include/Nevra_Types.h"]


def case_variant(rng, text):
    """The same name written in another letter case."""
    stem, dot, ext = text.rpartition(".")
    if not dot:
        stem, ext = text, ""
    choice = rng.randrange(5)
    if choice == 0:
        stem = stem.lower()
    elif choice == 1:
        stem = stem.upper()
    elif choice == 2:
        stem = stem.swapcase()
    if rng.random() < 0.5:
        ext = ext.upper() if ext.islower() else ext.lower()
    return stem + dot + ext


def config_names(count):
    names = []
    for target in TARGETS:
        for compiler in COMPILERS:
            for mode in MODES:
                names.append("%s_%s_%s" % (target, compiler, mode))
    out = []
    i = 0
    while len(out) < count:
        base = names[(i * 37) % len(names)]
        lap = i // len(names)
        out.append(base if lap == 0 else "%s_%d" % (base, lap + 1))
        i += 1
    return out


class Writer:
    """Writes legacy files and counts them."""

    def __init__(self, root, rng):
        self.root = root
        self.rng = rng
        self.files = []          # every input file, relative to root
        self.bytes = 0
        self.dirs = set()

    def write(self, rel, header, lines):
        rng = self.rng
        eol = b"\r\n" if rng.random() < 0.15 else b"\n"
        out = []
        if rng.random() < 0.03:
            out.append(b"exported by legacy front end 2.3.1")
        out.append(header)
        for line in lines:
            data = line.encode("ascii")
            if rng.random() < 0.05:
                data += rng.choice([b" ", b"  ", b"\t", b" \t "])
            out.append(data)
        blob = eol.join(out) + eol
        full = os.path.join(self.root, rel)
        parent = os.path.dirname(full)
        if parent not in self.dirs:
            os.makedirs(parent, exist_ok=True)
            self.dirs.add(parent)
        with open(full, "wb") as handle:
            handle.write(blob)
        self.files.append(rel)
        self.bytes += len(blob)


class Project:
    """A generated project: its command line and what its conversion must give."""

    def __init__(self, root):
        self.root = root
        self.prj = None
        self.campaigns = []          # top-level campaigns, on the command line
        self.sessions = []           # sessions on the command line
        self.files = []
        self.input_bytes = 0
        self.expect = {}

    def args(self):
        return [self.prj] + self.campaigns + self.sessions


def gen_project_file(w, rng, names):
    lines = ["IN include",
             "IN ../common/include",
             "IN ../common/include/hal",
             "IN /opt/nevra/targets/common/include",
             "IN $(PROJECT_ROOT)/generated/include",
             "IN ../3rdparty/cmsis/Include"]
    for idx, name in enumerate(names):
        target, compiler, mode = (name.split("_") + ["", ""])[:3]
        cpp = idx % 3 == 1
        lines += [
            "NC " + name,
            "PA ../bin/%s/%s.exe" % (name.lower(), "app_" + target.lower()),
            "LA " + ("C++" if cpp else "C"),
            "SE " + (".cpp" if cpp else ".c"),
            "OE " + (".o" if target == "Host" else ".obj"),
            "XX " + (".exe" if target == "Host" else ".elf"),
            "AS " + rng.choice(["O", "N", "O"]),
            "VE %d.%d.%d" % (rng.randrange(3, 9), rng.randrange(10),
                             rng.randrange(20)),
            "EX " + ("O" if cpp else "N"),
            "AL tdp/%s_%s.alk" % (compiler.lower(), target.lower()),
            "CL %s%sTarget%s" % (target, compiler, mode),
        ]
    lines.append("IN late/include")
    w.write("project.prj", HDR_PROJECT, lines)


def session_lines(rng, mod, j, names, ext, scripts_sub):
    """Key lines of one session, plus the raw FS, FP, CX and OC values."""
    lines = []
    r = rng.random()
    if r < 0.96:
        cx = rng.choice(names)
    elif r < 0.98:
        cx = rng.choice(names).lower()      # names no configuration
    else:
        cx = None
    if cx is not None:
        lines.append("CX " + cx)

    r = rng.random()
    if r < 0.88:
        fp = "%s%s_t%02d.ptu" % (scripts_sub, mod, j)
    elif r < 0.995:
        fp = scripts_sub + case_variant(rng, rng.choice(SHARED_SCRIPTS))
    else:
        fp = None
    r = rng.random()
    if r < 0.55:
        fs = "../src/%s_%02d%s" % (mod, j, ext)
    elif r < 0.85:
        folder = rng.choice(["Src", "src", "SRC"])
        fs = "../%s/%s" % (folder, case_variant(rng, rng.choice(SHARED_SOURCES)))
    elif r < 0.92:
        fs = case_variant(rng, rng.choice(ABS_SOURCES))
    elif r < 0.995:
        fs = "../../common/src/%s" % case_variant(rng, "Os_Wrap.c")
    else:
        fs = None
    if fp is not None:
        lines.append("FP " + fp)
    if fs is not None:
        lines.append("FS " + fs)

    yes_no = lambda p: "O" if rng.random() < p else "N"
    oc = None
    if rng.random() < 0.9:
        oc = ("-O%d -Wall -Wextra -DUNIT_TEST -DMODULE_%s -I../include "
              "-I../../common/include%s" % (rng.randrange(3), mod.upper(),
                                            rng.choice(["", " -fno-strict-aliasing",
                                                        " -mcpu=cortex-m4 -mthumb",
                                                        " -std=c99 -pedantic"])))
        lines.append("OC " + oc)
    if rng.random() < 0.7:
        lines.append("CS -DNEVRA_TEST=1 -DTEST_ID=%d -g" % j)
    if rng.random() < 0.4:
        lines.append("LK ../link/%s.alk" % mod)
    lines.append("DB " + yes_no(0.6))
    lines.append("SI " + yes_no(0.3))
    if rng.random() < 0.6:
        lines.append("OP -NOPATH -NOINCLUDE -RENAME=%s_ -MAXERR=%d"
                     % (mod, rng.choice([10, 50, 100])))
    if rng.random() < 0.5:
        lines.append("OF --trace=%s --timeout=%d" % (rng.choice(["full", "pass", "none"]),
                                                     rng.choice([60, 300, 900])))
    lines.append("NI " + yes_no(0.2))
    lines.append("AC " + yes_no(0.1))
    lines.append("FL " + rng.choice(["O", "N", "N"]))
    lines.append("ST " + yes_no(0.5))
    if rng.random() < 0.3:
        lines.append("RA O")                 # keys the reader ignores
        lines.append("VA %s_t%02d.rod" % (mod, j))
    if rng.random() < 0.1:
        lines.append("CD .")
    return lines, fs, fp, cx, oc


def generate(root, n_sessions, n_configs, seed):
    """Writes a project of n_sessions sessions and n_configs configurations."""
    rng = random.Random("%d/%d/%d" % (seed, n_sessions, n_configs))
    os.makedirs(root, exist_ok=True)
    w = Writer(root, rng)
    proj = Project(root)
    names = config_names(n_configs)
    gen_project_file(w, rng, names)
    proj.prj = "project.prj"

    n_cmd = min(CMDLINE_MAX, max(1, int(round(n_sessions * CMDLINE_SHARE))))
    n_camp = n_sessions - n_cmd
    n_folders = int(math.ceil(n_sessions / SESSIONS_PER_FOLDER))
    folders = []
    for k in range(n_folders):
        mod = "%s%03d" % (MODULE_WORDS[k % len(MODULE_WORDS)], k)
        ext = ".cpp" if k % 4 == 3 else ".c"
        scripts_sub = "scripts/" if k % 3 == 0 else ""
        folders.append((mod, "modules/%s/tests/" % mod, ext, scripts_sub))

    # Session files and their raw values; resolution waits for the path
    # under which the tool will open each session.
    sessions = []                    # (folder index, file rel path, values)
    for i in range(n_sessions):
        k, j = divmod(i, SESSIONS_PER_FOLDER)
        mod, fdir, ext, sub = folders[k]
        lines, fs, fp, cx, oc = session_lines(rng, mod, j, names, ext, sub)
        rel = "%s%s_t%02d.ses" % (fdir, mod, j)
        w.write(rel, HDR_SESSION, lines)
        sessions.append((k, rel, fs, fp, cx, oc))

    # Leaf campaigns: one per module folder, beside its sessions.
    leaves = []                      # (rel path, [session index])
    by_folder = {}
    for i in range(n_camp):
        by_folder.setdefault(sessions[i][0], []).append(i)
    for k in sorted(by_folder):
        mod, fdir, _, _ = folders[k]
        members = by_folder[k]
        order = list(members)
        rng.shuffle(order)
        rel = "%s%s.cmp" % (fdir, mod)
        lines = ["FI " + sessions[i][1][len(fdir):] for i in order]
        w.write(rel, HDR_CAMPAIGN, lines)
        leaves.append((rel, order))

    # Campaign tree above the leaves, several levels deep.
    expect_sessions_read = []        # (path as read, session index)
    campaign_count = [len(leaves)]

    def build(rel, leaf_slice, depth):
        """Writes campaign `rel` grouping leaf_slice; returns its children."""
        children = []
        if len(leaf_slice) <= CAMPAIGN_FANOUT or depth >= 4:
            children = [("leaf", leaf) for leaf in leaf_slice]
        else:
            size = int(math.ceil(len(leaf_slice) / CAMPAIGN_FANOUT))
            stem = rel[:-4]
            for c in range(CAMPAIGN_FANOUT):
                part = leaf_slice[c * size:(c + 1) * size]
                if not part:
                    continue
                child = "%s/%s_%d.cmp" % (stem, os.path.basename(stem), c)
                children.append(("camp", child, build(child, part, depth + 1)))
        up = "../" * rel.count("/")
        lines = []
        for child in children:
            if child[0] == "leaf":
                lines.append("FI " + up + child[1][0])
            else:
                lines.append("FI " + child[1][len(dir_name(rel)):])
        w.write(rel, HDR_CAMPAIGN, lines)
        campaign_count[0] += 1
        return children

    tops = []
    per_top = int(math.ceil(len(leaves) / TOP_CAMPAIGNS)) if leaves else 0
    for t in range(TOP_CAMPAIGNS):
        part = leaves[t * per_top:(t + 1) * per_top]
        if not part:
            continue
        rel = "campaigns/suite_%d.cmp" % (t + 1)
        tops.append((rel, build(rel, part, 0)))
        proj.campaigns.append(rel)

    # Paths as read: a command-line campaign is opened as written; a member
    # as dir_name(parent as read) + its FI value.
    def walk_tree(read_as, rel, children):
        base = dir_name(read_as)
        up = "../" * rel.count("/")
        for child in children:
            if child[0] == "leaf":
                leaf_rel, order = child[1]
                leaf_read = base + up + leaf_rel
                for i in order:
                    expect_sessions_read.append(
                        (dir_name(leaf_read) + os.path.basename(sessions[i][1]), i))
            else:
                child_rel = child[1]
                walk_tree(base + child_rel[len(dir_name(rel)):], child_rel, child[2])

    for rel, children in tops:
        walk_tree(rel, rel, children)
    for i in range(n_camp, n_sessions):
        proj.sessions.append(sessions[i][1])
        expect_sessions_read.append((sessions[i][1], i))

    # What the conversion must give.
    name_set = set(names)
    scripts, sources = set(), set()
    cflags = 0
    for read_as, i in expect_sessions_read:
        _, _, fs, fp, cx, oc = sessions[i]
        if fs is not None:
            sources.add(fold(resolve(read_as, fs)))
        if fp is not None:
            scripts.add(fold(resolve(read_as, fp)))
        if oc is not None and cx in name_set:
            cflags += 1
    proj.expect = {
        "sessions": len(expect_sessions_read),
        "campaigns": campaign_count[0],
        "scripts": len(scripts),
        "sources": len(sources),
        "cflags": cflags,
        "configs": n_configs,
        "cmdline_sessions": n_cmd,
    }
    proj.files = w.files
    proj.input_bytes = w.bytes
    return proj


# ---------------------------------------------------------------------------
# Independent reader: checks the generated files against the legacy format
# and recomputes what the conversion must give.

def read_lines(full):
    with open(full, "rb") as handle:
        data = handle.read()
    for raw in data.split(b"\n"):
        end = len(raw)
        while end and raw[end - 1] <= 0x20:
            end -= 1
        if end >= 3:
            yield raw[:end]


def validate(proj):
    """Reads the generated project as the converter would; returns counts."""
    problems = []
    state = {"sessions": 0, "campaigns": 0, "cflags": 0,
             "scripts": set(), "sources": set(), "configs": [], "opened": 0}

    def read(path, nested):
        full = os.path.join(proj.root, path)
        try:
            lines = list(read_lines(full))
        except OSError:
            problems.append("cannot open " + path)
            return None
        state["opened"] += 1
        kind = None
        rec = {"members": [], "fs": None, "fp": None, "cx": None, "oc": None}
        for line in lines:
            if kind is None:
                if line in (HDR_PROJECT, HDR_CAMPAIGN, HDR_SESSION):
                    kind = line
                elif not line.startswith(b"exported by"):
                    problems.append("%s: line before header: %r" % (path, line))
                continue
            key, value = line[:3], line[3:].decode("ascii")
            keys = {HDR_PROJECT: PROJECT_KEYS, HDR_SESSION: SESSION_KEYS,
                    HDR_CAMPAIGN: CAMPAIGN_KEYS}[kind]
            if key not in keys:
                problems.append("%s: unknown key line %r" % (path, line))
                continue
            if value != value.rstrip() or not value:
                problems.append("%s: untrimmed value %r" % (path, line))
            if kind == HDR_SESSION:
                if key == b"FS ":
                    rec["fs"] = resolve(path, value)
                    state["sources"].add(fold(rec["fs"]))
                elif key == b"FP ":
                    rec["fp"] = resolve(path, value)
                    state["scripts"].add(fold(rec["fp"]))
                elif key == b"CX ":
                    rec["cx"] = value
                elif key == b"OC ":
                    rec["oc"] = value
                elif key in (b"DB ", b"SI ", b"NI ", b"AC ", b"ST ") and value not in ("O", "N"):
                    problems.append("%s: yes/no value %r" % (path, value))
            elif kind == HDR_PROJECT:
                if key == b"NC ":
                    state["configs"].append(value)
                elif key not in (b"IN ",) and not state["configs"]:
                    problems.append("%s: %r before any NC line" % (path, line))
            elif kind == HDR_CAMPAIGN:
                member = read(resolve(path, value), True)
                if member is not None:
                    rec["members"].append(member)
        if kind is None:
            problems.append(path + ": no header")
        elif kind == HDR_SESSION:
            if nested is not None:
                state["sessions"] += 1
            if rec["oc"] is not None and rec["cx"] in set(state["configs"]):
                state["cflags"] += 1
        elif kind == HDR_CAMPAIGN:
            state["campaigns"] += 1
            if nested and not rec["members"]:
                problems.append(path + ": member campaign without members")
        return rec

    read(proj.prj, None)
    for cmp in proj.campaigns:
        read(cmp, False)
    for ses in proj.sessions:
        read(ses, False)

    got = {"sessions": state["sessions"], "campaigns": state["campaigns"],
           "scripts": len(state["scripts"]), "sources": len(state["sources"]),
           "cflags": state["cflags"], "configs": len(state["configs"]),
           "cmdline_sessions": len(proj.sessions)}
    if state["opened"] != len(proj.files):
        problems.append("files opened %d, files written %d"
                        % (state["opened"], len(proj.files)))
    for key, value in proj.expect.items():
        if got.get(key) != value:
            problems.append("%s: reader %s, generator %s" % (key, got.get(key), value))
    return got, problems


# ---------------------------------------------------------------------------
# Measurement.

MEASURE = {"helper": None}


def build_helper(build_dir):
    """Compiles bench/measure_child.c; returns its path, or None."""
    src = os.path.join(BENCH_DIR, "measure_child.c")
    exe = os.path.join(build_dir, "measure_child")
    if os.path.exists(exe) and os.path.getmtime(exe) >= os.path.getmtime(src):
        return exe
    compiler = shutil.which("cc") or shutil.which("gcc") or shutil.which("clang")
    if not compiler:
        return None
    os.makedirs(build_dir, exist_ok=True)
    res = subprocess.run([compiler, "-O2", "-o", exe, src],
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if res.returncode != 0:
        log(res.stdout.decode(errors="replace"))
        return None
    return exe


def run_timed(cmd, cwd, env, stderr_path=os.devnull):
    """Runs cmd; returns (wall s, peak RSS KiB, exit code, (user s, system s)).

    RSS and CPU are None without the helper.

    Goes through measure_child when it could be built: spawned from Python
    directly, the child's ru_maxrss would include Python's own peak."""
    helper = MEASURE["helper"]
    if helper:
        res = subprocess.run([helper, stderr_path] + cmd, cwd=cwd, env=env,
                             stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
        if res.returncode != 0:
            raise SystemExit("measure_child failed on %s" % cmd[0])
        wall, rss, code, user, system = res.stdout.split()
        return float(wall), int(rss), int(code), (float(user), float(system))
    with open(stderr_path, "wb") as err:
        start = time.perf_counter()
        proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=err)
        _, status, _ = os.wait4(proc.pid, 0)
        wall = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    return wall, None, proc.returncode, None


def remove(*paths):
    for path in paths:
        try:
            os.unlink(path)
        except FileNotFoundError:
            pass


def count_in_file(path, needles):
    with open(path, "rb") as handle:
        if os.fstat(handle.fileno()).st_size == 0:
            return {n: 0 for n in needles}
        with mmap.mmap(handle.fileno(), 0, access=mmap.ACCESS_READ) as data:
            counts = {}
            for needle in needles:
                count, pos = 0, data.find(needle)
                while pos >= 0:
                    count += 1
                    pos = data.find(needle, pos + 1)
                counts[needle] = count
            return counts


def check_outputs(proj, rtp, inf):
    """Structural checks of the produced files against the generated input."""
    e = proj.expect
    problems = []
    cflags = b"\n" + b" " * 23 + b"<cflags>"
    rtp_counts = count_in_file(rtp, [b"<unit_testing>\n", b"<group>\n", cflags,
                                     b"</project>\n"])
    inf_counts = count_in_file(inf, [b"\t  <file>\n", b"</objects>\n"])
    checks = [
        ("unit-testing nodes", rtp_counts[b"<unit_testing>\n"], e["sessions"]),
        ("group nodes", rtp_counts[b"<group>\n"], e["campaigns"] + 1),
        ("session settings (cflags)", rtp_counts[cflags], e["cflags"]),
        ("end of project file", rtp_counts[b"</project>\n"], 1),
        ("file entries", inf_counts[b"\t  <file>\n"], e["scripts"] + e["sources"]),
        ("end of objects file", inf_counts[b"</objects>\n"], 1),
    ]
    for what, got, want in checks:
        if got != want:
            problems.append("%s: %d in the output, %d expected" % (what, got, want))
    return problems


def median(values):
    return statistics.median(values) if values else float("nan")


def measure_size(args, tool, env, workdir, n, c):
    root = os.path.join(workdir, "n%d_c%d" % (n, c))
    if os.path.exists(root):
        shutil.rmtree(root)
    log("  generating N=%d C=%d ..." % (n, c))
    t0 = time.perf_counter()
    proj = generate(os.path.join(root, "project"), n, c, args.seed)
    gen_s = time.perf_counter() - t0
    got, problems = validate(proj)
    if problems:
        for p in problems[:20]:
            log("    invalid input: " + p)
        raise SystemExit("generated project failed validation")
    log("    %d files, %.1f MB, %d campaigns, %d sessions on the command line "
        "(%.1f s, validated)" % (len(proj.files), proj.input_bytes / 1e6,
                                 proj.expect["campaigns"], len(proj.sessions), gen_s))

    out = os.path.join(root, "out")
    os.makedirs(out, exist_ok=True)
    rtp, inf = os.path.join(out, "bench.rtp"), os.path.join(out, "bench.inf")
    rtp_copy, inf_copy = rtp + ".copy", inf + ".copy"
    file_list = os.path.join(root, "inputs.list")
    with open(file_list, "wb") as handle:
        handle.write(b"\0".join(os.path.join(proj.root, f).encode() for f in proj.files))
    cmd = [tool, "-o", rtp] + proj.args()
    # The floor: read every input once, copy both outputs to new files on the
    # same file system and, like the tool, flush the copies' data to disk.
    floor_phases = [
        ("read", ["xargs", "-0", "-a", file_list, "cat", "--"]),
        ("copy", ["sh", "-c", 'cp -- "$1" "$2" && cp -- "$3" "$4"', "copy",
                  rtp, rtp_copy, inf, inf_copy]),
    ]
    if args.floor_sync:
        floor_phases.append(("sync", ["sync", "-d", "--", rtp_copy, inf_copy]))
    err_path = os.path.join(root, "tool.stderr")

    def tool_run():
        remove(rtp, inf)
        os.sync()
        return run_timed(cmd, proj.root, env, err_path)

    def floor_run():
        remove(rtp_copy, inf_copy)
        os.sync()
        walls = {}
        for name, phase in floor_phases:
            wall, _, rc, _ = run_timed(phase, proj.root, env)
            if rc != 0:
                raise SystemExit("floor phase %s failed (exit %d)" % (name, rc))
            walls[name] = wall
        walls["total"] = sum(walls.values())
        return walls

    # Warm-up run, checked.
    wall, rss, rc, _ = tool_run()
    with open(err_path, "rb") as handle:
        err_text = handle.read().decode("latin-1")
    if rc != 0 or not os.path.exists(rtp) or not os.path.exists(inf):
        log("    tool failed: exit %d; stderr: %s" % (rc, err_text[:500]))
        raise SystemExit(2)
    problems = check_outputs(proj, rtp, inf)
    if err_text:
        problems.append("unexpected error output: " + err_text[:200].strip())
    for p in problems:
        log("    OUTPUT CHECK: " + p)
    for _ in range(max(0, args.warmup - 1)):
        tool_run()
    floor_run()

    repeat = args.repeat
    if wall * repeat > args.budget:
        repeat = max(1, int(args.budget // max(wall, 1e-9)))
        log("    one run takes %.1f s: %d repetitions instead of %d"
            % (wall, repeat, args.repeat))
    tool_times, floor_runs, rss_values, cpu_times = [], [], [rss], []
    for _ in range(repeat):
        wall, rss, rc, cpu = tool_run()
        if rc != 0:
            raise SystemExit("tool failed on a repeated run (exit %d)" % rc)
        tool_times.append(wall)
        rss_values.append(rss)
        cpu_times.append(cpu)
        floor_runs.append(floor_run())
    floor_times = [f["total"] for f in floor_runs]
    rss_known = [v for v in rss_values if v is not None]
    out_bytes = os.path.getsize(rtp) + os.path.getsize(inf)
    result = {
        "n": n, "c": c,
        "input_files": len(proj.files), "input_mb": proj.input_bytes / 1e6,
        "campaigns": proj.expect["campaigns"],
        "cmdline_sessions": len(proj.sessions),
        "scripts": proj.expect["scripts"], "sources": proj.expect["sources"],
        "rtp_mb": os.path.getsize(rtp) / 1e6, "inf_mb": os.path.getsize(inf) / 1e6,
        "out_mb": out_bytes / 1e6,
        "tool_s": median(tool_times), "tool_min_s": min(tool_times),
        "tool_runs": tool_times,
        "tool_user_s": (median([c[0] for c in cpu_times])
                        if None not in cpu_times else float("nan")),
        "tool_sys_s": (median([c[1] for c in cpu_times])
                       if None not in cpu_times else float("nan")),
        "floor_s": median(floor_times), "floor_min_s": min(floor_times),
        "floor_runs": floor_times,
        "floor_phases": {name: median([f[name] for f in floor_runs])
                         for name, _ in floor_phases},
        "rss_mib": max(rss_known) / 1024.0 if rss_known else float("nan"),
        "output_problems": problems,
        "repeat": repeat,
    }
    result["ratio"] = result["tool_s"] / result["floor_s"]
    result["mb_per_s"] = result["out_mb"] / result["tool_s"]
    log("    tool %.3f s, floor %.3f s, ratio %.2f, %.1f MB out, %.1f MiB RSS"
        % (result["tool_s"], result["floor_s"], result["ratio"],
           result["out_mb"], result["rss_mib"]))
    if not args.keep:
        shutil.rmtree(root, ignore_errors=True)
    return result


# ---------------------------------------------------------------------------
# Start-up latency.

def tiny_project(root):
    """A small project of two configurations and three sessions."""
    w = Writer(root, random.Random(7))
    w.write("demo.prj", HDR_PROJECT, [
        "IN include", "NC Host_Debug", "PA ../bin/demo.exe", "LA C", "SE .c",
        "OE .o", "XX .exe", "AS O", "VE 1.0", "EX N", "AL tdp/gcc.alk",
        "CL HostTarget", "NC Host_Release", "PA ../bin/demo.exe", "LA C"])
    for k in range(3):
        w.write("tests/s%d.ses" % k, HDR_SESSION, [
            "CX Host_Debug", "FP s%d.ptu" % k, "FS ../src/Unit%d.c" % k,
            "OC -O0 -g", "DB O", "SI N", "NI N", "AC N", "FL N", "ST O"])
    w.write("all.cmp", HDR_CAMPAIGN, ["FI tests/s%d.ses" % k for k in range(3)])
    return root, ["demo.prj", "all.cmp"]


def demo_inputs(args, workdir):
    demo = args.demo or os.path.join(REPO_DIR, "examples", "demo")
    prj = os.path.join(demo, "demo.prj")
    if os.path.isfile(prj):
        # The campaigns that no other campaign names, and the loose sessions.
        cmps = sorted(f for f in os.listdir(demo) if f.endswith(".cmp"))
        named = set()
        for cmp in cmps:
            for line in read_lines(os.path.join(demo, cmp)):
                if line.startswith(b"FI "):
                    named.add(os.path.normpath(line[3:].decode("latin-1")))
        tops = [c for c in cmps if c not in named]
        sessions = sorted(f for f in os.listdir(demo) if f.endswith(".ses"))
        return demo, ["demo.prj"] + tops + sessions, os.path.relpath(demo, REPO_DIR)
    root, files = tiny_project(os.path.join(workdir, "demo"))
    return root, files, "generated tiny project (examples/demo not found)"


def build_qt_floor(args):
    if args.qt_floor:
        return os.path.abspath(args.qt_floor)
    build = os.path.join(args.build_dir, "qt_floor")
    exe = os.path.join(build, "qt_floor")
    src = os.path.join(BENCH_DIR, "qt_floor")
    newest_src = max(os.path.getmtime(os.path.join(src, f)) for f in os.listdir(src))
    if os.path.exists(exe) and os.path.getmtime(exe) >= newest_src:
        return exe
    log("  building the bare Qt program in %s ..." % build)
    gen = ["-G", "Ninja"] if shutil.which("ninja") else []
    for cmd in (["cmake", "-S", src, "-B", build, "-DCMAKE_BUILD_TYPE=Release"] + gen,
                ["cmake", "--build", build]):
        res = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if res.returncode != 0:
            log(res.stdout.decode(errors="replace"))
            raise SystemExit("building bench/qt_floor failed")
    return exe


def latency(args, tool, env, workdir):
    demo_dir, files, origin = demo_inputs(args, workdir)
    out = os.path.join(workdir, "latency")
    os.makedirs(out, exist_ok=True)
    tool_cmd = [tool, "-o", os.path.join(out, "demo.rtp")] + files
    floor_exe = build_qt_floor(args)
    floor_cmd = [floor_exe]
    # The same conversion with its outputs on tmpfs, where fdatasync costs
    # nothing: tells the tool's start-up and work apart from the disk flush.
    shm_cmd = None
    if os.path.isdir("/dev/shm") and os.access("/dev/shm", os.W_OK):
        shm_out = tempfile.mkdtemp(prefix="prjmigr-bench-", dir="/dev/shm")
        shm_cmd = [tool, "-o", os.path.join(shm_out, "demo.rtp")] + files

    rc = run_timed(tool_cmd, demo_dir, env)[2]
    if rc != 0:
        raise SystemExit("tool failed on the demo project (exit %d)" % rc)
    tool_rss = run_timed(tool_cmd, demo_dir, env)[1]
    floor_rss = run_timed(floor_cmd, demo_dir, env)[1]
    tool_rss = tool_rss / 1024.0 if tool_rss is not None else float("nan")
    floor_rss = floor_rss / 1024.0 if floor_rss is not None else float("nan")

    runs = args.latency_runs
    hyperfine = shutil.which("hyperfine") if not args.no_hyperfine else None
    if hyperfine:
        # hyperfine times all runs of one command, then the other; several
        # rounds in alternating order keep slow drift from landing on one side.
        rounds = 4 if runs >= 40 else 1
        per_round = max(1, runs // rounds)
        tool_times, floor_times, shm_times = [], [], []
        commands = [("prjmigr", tool_cmd), ("qt_floor", floor_cmd)]
        if shm_cmd:
            commands.insert(1, ("prjmigr_tmpfs", shm_cmd))
        for k in range(rounds):
            report = os.path.join(out, "hyperfine%d.json" % k)
            order = commands if k % 2 == 0 else commands[::-1]
            cmd = [hyperfine, "-N", "--style", "none", "--warmup", "10",
                   "--runs", str(per_round), "--export-json", report]
            for name, argv in order:
                cmd += ["-n", name, " ".join(shlex.quote(a) for a in argv)]
            res = subprocess.run(cmd, cwd=demo_dir, env=env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.PIPE)
            if res.returncode != 0:
                log(res.stderr.decode(errors="replace"))
                raise SystemExit("hyperfine failed")
            with open(report) as handle:
                data = {r["command"]: r["times"] for r in json.load(handle)["results"]}
            tool_times += data["prjmigr"]
            floor_times += data["qt_floor"]
            shm_times += data.get("prjmigr_tmpfs", [])
        method = ("hyperfine, %d runs each in %d alternating rounds (10 warm-up runs "
                  "per round), median" % (per_round * rounds, rounds))
    else:
        tool_times, floor_times, shm_times = [], [], []
        for _ in range(20):
            run_timed(tool_cmd, demo_dir, env)
            run_timed(floor_cmd, demo_dir, env)
        for _ in range(runs):          # interleaved, so drift hits both alike
            tool_times.append(run_timed(tool_cmd, demo_dir, env)[0])
            if shm_cmd:
                shm_times.append(run_timed(shm_cmd, demo_dir, env)[0])
            floor_times.append(run_timed(floor_cmd, demo_dir, env)[0])
        method = "python loop, %d runs each, interleaved, median" % runs
    if shm_cmd:
        shutil.rmtree(os.path.dirname(shm_cmd[2]), ignore_errors=True)
    return {
        "tmpfs_ms": median(shm_times) * 1e3 if shm_times else None,
        "origin": origin, "method": method,
        "command": "prjmigr " + " ".join(tool_cmd[1:]),
        "tool_ms": median(tool_times) * 1e3, "floor_ms": median(floor_times) * 1e3,
        "tool_min_ms": min(tool_times) * 1e3, "floor_min_ms": min(floor_times) * 1e3,
        "tool_rss_mib": tool_rss, "floor_rss_mib": floor_rss,
        "ratio": median(tool_times) / median(floor_times),
    }


def probe_sync(tool, env, workdir):
    """Does the tool fsync its outputs?  (None when strace is missing.)"""
    strace = shutil.which("strace")
    if not strace:
        return None
    root, files = tiny_project(os.path.join(workdir, "probe"))
    trace = os.path.join(workdir, "probe.strace")
    cmd = [strace, "-f", "-qq", "-o", trace,
           "-e", "trace=fsync,fdatasync,syncfs,sync_file_range",
           tool, "-o", os.path.join(workdir, "probe.rtp")] + files
    res = subprocess.run(cmd, cwd=root, env=env, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
    if res.returncode != 0 or not os.path.exists(trace):
        return None
    with open(trace) as handle:
        calls = [line for line in handle if "sync" in line and "resumed" not in line]
    return len(calls)


# ---------------------------------------------------------------------------
# Report.

def fmt_verdict(ok):
    return "PASS" if ok else "FAIL"


def report(args, results, series_c, head, lat, sync_calls):
    print()
    print("prjmigr benchmark")
    print("  tool:     %s (modified %s)" % (
        args.tool, time.strftime("%Y-%m-%d %H:%M", time.localtime(os.path.getmtime(args.tool)))))
    print("  machine:  %s, %d cores, %s" % (platform.machine(), os.cpu_count() or 0,
                                             platform.node()))
    probe = ("not probed (strace missing)" if sync_calls is None else
             "%d fsync-type calls on a tiny run" % sync_calls)
    print("  floor:    cat of every legacy input + cp of .rtp and .inf%s"
          % (" + fdatasync of the copies" if args.floor_sync else ""))
    print("  tool sync: %s" % probe)
    print("  timing:   median of %d runs after %d warm-up run(s); page cache kept warm"
          % (args.repeat, args.warmup))
    print("  load:     1-min load average %.2f at start, %.2f at end%s"
          % (args.load_start, args.load_end,
             "  (busy machine: figures are noisy)"
             if max(args.load_start, args.load_end) > 0.5 * (os.cpu_count() or 1) else ""))

    if head:
        r = head
        print()
        print("Conversion, N=%d sessions, C=%d configurations" % (r["n"], r["c"]))
        print("  input:             %d files, %.1f MB (%d campaigns, %d sessions on the "
              "command line)" % (r["input_files"], r["input_mb"], r["campaigns"],
                                 r["cmdline_sessions"]))
        print("  output:            %.1f MB (.rtp %.1f MB, .inf %.1f MB; %d scripts, "
              "%d sources)" % (r["out_mb"], r["rtp_mb"], r["inf_mb"], r["scripts"],
                               r["sources"]))
        print("  conversion time:   %.3f s  (min %.3f; CPU user %.3f s, system %.3f s)"
              % (r["tool_s"], r["tool_min_s"], r["tool_user_s"], r["tool_sys_s"]))
        print("  floor time:        %.3f s  (min %.3f; %s)"
              % (r["floor_s"], r["floor_min_s"],
                 ", ".join("%s %.3f" % kv for kv in r["floor_phases"].items())))
        print("  ratio tool/floor:  %.2fx" % r["ratio"])
        print("  throughput:        %.1f MB/s of output" % r["mb_per_s"])
        print("  peak RSS:          %.1f MiB" % r["rss_mib"])

    series = [r for r in results if r["c"] == series_c]
    series.sort(key=lambda r: r["n"])
    if series:
        print()
        print("Scaling at C=%d" % series_c)
        print("  %6s %8s %7s %7s %8s %6s %7s %6s %7s  %s" % (
            "N", "tool s", "user s", "sys s", "floor s", "ratio", "out MB", "MB/s",
            "RSS MiB", "step: wall / user / floor"))
        prev = None
        for r in series:
            step = ""
            if prev:
                step = "%.2fx / %.2fx / %.2fx  (N x%.3g)" % (
                    r["tool_s"] / prev["tool_s"], r["tool_user_s"] / prev["tool_user_s"],
                    r["floor_s"] / prev["floor_s"], r["n"] / prev["n"])
            print("  %6d %8.3f %7.3f %7.3f %8.3f %5.2fx %7.1f %6.1f %7.1f  %s"
                  % (r["n"], r["tool_s"], r["tool_user_s"], r["tool_sys_s"], r["floor_s"],
                     r["ratio"], r["out_mb"], r["mb_per_s"], r["rss_mib"], step))
            prev = r
    others = [r for r in results if r["c"] != series_c]
    if others:
        print()
        print("Other configuration counts")
        for r in sorted(others, key=lambda r: (r["n"], r["c"])):
            print("  N=%d C=%d: tool %.3f s, floor %.3f s, ratio %.2fx, %.1f MB, "
                  "%.1f MiB RSS" % (r["n"], r["c"], r["tool_s"], r["floor_s"],
                                    r["ratio"], r["out_mb"], r["rss_mib"]))

    if lat:
        print()
        print("Start-up latency (%s)" % lat["origin"])
        print("  method:            %s" % lat["method"])
        print("  prjmigr on demo:   %.2f ms  (min %.2f, peak RSS %.1f MiB)"
              % (lat["tool_ms"], lat["tool_min_ms"], lat["tool_rss_mib"]))
        if lat["tmpfs_ms"] is not None:
            print("  same, to tmpfs:    %.2f ms  (outputs in /dev/shm: no disk flush)"
                  % lat["tmpfs_ms"])
        print("  bare Qt program:   %.2f ms  (min %.2f, peak RSS %.1f MiB)"
              % (lat["floor_ms"], lat["floor_min_ms"], lat["floor_rss_mib"]))
        print("  ratio:             %.2fx" % lat["ratio"])
        print("  command:           %s" % lat["command"])

    problems = [(r, p) for r in results for p in r["output_problems"]]
    if problems:
        print()
        print("Output checks")
        for r, p in problems:
            print("  N=%d C=%d: %s" % (r["n"], r["c"], p))

    print()
    note = ""
    if head and (head["n"] != TARGET_N or head["c"] != TARGET_C):
        note = "  (targets are set for N=%d C=%d; shown here for N=%d C=%d)" % (
            TARGET_N, TARGET_C, head["n"], head["c"])
    print("Targets" + note)
    verdicts = []
    if head:
        ok = head["ratio"] <= TARGET_FLOOR_RATIO
        verdicts.append(ok)
        print("  %s  conversion N=%d C=%d within %.1fx the floor: %.2fx"
              % (fmt_verdict(ok), head["n"], head["c"], TARGET_FLOOR_RATIO, head["ratio"]))
    prev = None
    for r in series:
        if prev:
            allowed = TARGET_DOUBLING * (r["n"] / prev["n"]) / 2.0
            ratio = r["tool_s"] / prev["tool_s"]
            ok = ratio <= allowed
            verdicts.append(ok)
            print("  %s  N %d -> %d takes at most %.2fx the time: %.2fx"
                  % (fmt_verdict(ok), prev["n"], r["n"], allowed, ratio))
        prev = r
    if head:
        ok = head["rss_mib"] < TARGET_RSS_MIB
        verdicts.append(ok)
        print("  %s  peak memory N=%d C=%d under %d MiB: %.1f MiB"
              % (fmt_verdict(ok), head["n"], head["c"], TARGET_RSS_MIB, head["rss_mib"]))
    if lat:
        ok = lat["ratio"] <= TARGET_LATENCY_RATIO
        verdicts.append(ok)
        print("  %s  demo run within %.1fx the bare Qt start-up: %.2fx"
              % (fmt_verdict(ok), TARGET_LATENCY_RATIO, lat["ratio"]))
    if problems:
        verdicts.append(False)
        print("  FAIL  outputs match the generated input: %d problem(s)" % len(problems))
    return all(verdicts)


# ---------------------------------------------------------------------------

def int_list(text):
    return [int(x) for x in text.split(",") if x.strip()]


def parse_args(argv):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--tool", default=os.path.join(REPO_DIR, "build", "prjmigr"),
                   help="converter binary (default: build/prjmigr)")
    p.add_argument("--sizes", type=int_list, default=None,
                   help="session counts of the scaling series (default 5000,10000,20000,40000)")
    p.add_argument("--configs", type=int_list, default=None,
                   help="configuration counts; the first one is used for the scaling "
                        "series, the others are measured at the headline N (default 16)")
    p.add_argument("--headline", type=int, default=None,
                   help="N of the headline figures and targets (default 20000)")
    p.add_argument("--repeat", type=int, default=None,
                   help="timed runs per measurement, median reported (default 5)")
    p.add_argument("--warmup", type=int, default=1, help="untimed runs first (default 1)")
    p.add_argument("--budget", type=float, default=300.0,
                   help="seconds of timed tool runs per size before repetitions are cut")
    p.add_argument("--latency-runs", type=int, default=None,
                   help="runs of the start-up comparison (default 200)")
    p.add_argument("--floor-sync", dest="floor_sync", action="store_true",
                   default=FLOOR_SYNC_DEFAULT,
                   help="fsync the floor's copies (default: %s, as the tool syncs its "
                        "outputs)" % ("on" if FLOOR_SYNC_DEFAULT else "off"))
    p.add_argument("--no-floor-sync", dest="floor_sync", action="store_false",
                   help="do not fsync the floor's copies")
    p.add_argument("--qt-floor", help="prebuilt bare Qt program (bench/qt_floor)")
    p.add_argument("--build-dir", default=os.path.join(tempfile.gettempdir(),
                                                        "prjmigr-bench-build"),
                   help="where bench/qt_floor and bench/measure_child.c are built "
                        "(default: <tmp>/prjmigr-bench-build)")
    p.add_argument("--demo", help="folder holding demo.prj and its campaign "
                   "(default: examples/demo)")
    p.add_argument("--no-hyperfine", action="store_true",
                   help="time the start-up with a Python loop instead of hyperfine")
    p.add_argument("--skip-latency", action="store_true")
    p.add_argument("--workdir", help="folder for generated projects and outputs "
                   "(default: a new folder under the temporary directory)")
    p.add_argument("--keep", action="store_true", help="keep generated files and outputs")
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--quick", action="store_true",
                   help="smoke run: N=500,1000,2000, C=4, 3 repetitions")
    p.add_argument("--generate-only", action="store_true",
                   help="generate and validate the projects, run nothing")
    p.add_argument("--json", help="also write the figures to this JSON file")
    args = p.parse_args(argv)

    quick = args.quick
    if args.sizes is None:
        args.sizes = [500, 1000, 2000] if quick else [5000, 10000, 20000, 40000]
    if args.configs is None:
        args.configs = [4] if quick else [TARGET_C]
    if args.headline is None:
        args.headline = max(args.sizes) if quick else TARGET_N
    if args.repeat is None:
        args.repeat = 3 if quick else 5
    if args.latency_runs is None:
        args.latency_runs = 50 if quick else 200
    return args


def main(argv):
    args = parse_args(argv)
    args.tool = os.path.abspath(args.tool)
    own_workdir = args.workdir is None
    workdir = os.path.abspath(args.workdir or tempfile.mkdtemp(prefix="prjmigr-bench-"))
    os.makedirs(workdir, exist_ok=True)
    series_c = args.configs[0]
    plan = [(n, series_c) for n in sorted(set(args.sizes) | {args.headline})]
    plan += [(args.headline, c) for c in args.configs[1:]]

    if args.generate_only:
        for n, c in plan:
            root = os.path.join(workdir, "n%d_c%d" % (n, c), "project")
            t0 = time.perf_counter()
            proj = generate(root, n, c, args.seed)
            got, problems = validate(proj)
            print("N=%d C=%d: %d files, %.1f MB, %.1f s; expected %s; %s"
                  % (n, c, len(proj.files), proj.input_bytes / 1e6,
                     time.perf_counter() - t0, json.dumps(got),
                     "valid" if not problems else "INVALID: " + "; ".join(problems[:5])))
            print("  command: prjmigr -o out/bench.rtp %s" % " ".join(
                proj.args()[:8] + (["..."] if len(proj.args()) > 8 else [])))
        print("generated under", workdir)
        return 0

    if not os.access(args.tool, os.X_OK):
        raise SystemExit("tool not found or not executable: %s" % args.tool)
    MEASURE["helper"] = build_helper(args.build_dir)
    if not MEASURE["helper"]:
        log("note: no C compiler for bench/measure_child.c; peak RSS not measured")
    kelmar = os.path.join(workdir, "kelmar")
    os.makedirs(os.path.join(kelmar, "lib", "locale"), exist_ok=True)
    env = dict(os.environ, KELMARDIR=kelmar, NEVRAHOME="/opt/nevra")

    sync_calls = probe_sync(args.tool, env, workdir)
    if sync_calls is not None and bool(sync_calls) != args.floor_sync:
        log("note: the tool made %d fsync-type calls but the floor %s its copies; "
            "consider %s" % (sync_calls, "syncs" if args.floor_sync else "does not sync",
                             "--no-floor-sync" if args.floor_sync else "--floor-sync"))

    args.load_start = os.getloadavg()[0]
    results = []
    try:
        for n, c in plan:
            log("N=%d C=%d" % (n, c))
            results.append(measure_size(args, args.tool, env, workdir, n, c))
        lat = None
        if not args.skip_latency:
            log("start-up latency ...")
            lat = latency(args, args.tool, env, workdir)
    finally:
        if own_workdir and not args.keep:
            shutil.rmtree(workdir, ignore_errors=True)

    args.load_end = os.getloadavg()[0]
    head = next((r for r in results if r["n"] == args.headline and r["c"] == series_c),
                None)
    all_pass = report(args, results, series_c, head, lat, sync_calls)
    if args.json:
        with open(args.json, "w") as handle:
            json.dump({"results": results, "latency": lat, "all_pass": all_pass,
                       "floor_sync": args.floor_sync, "tool_sync_calls": sync_calls},
                      handle, indent=2)
    if args.keep:
        print("\nfiles kept in", workdir)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
