#!/usr/bin/env python3
"""Throughput, memory and start-up benchmark of prjmigr (see bench/README.md):
generates seeded legacy projects, times their conversion with hyperfine against
two I/O floors, times the reports on a file where every line is one, and takes
peak memory from GNU time.  From the repository root:
    python3 bench/run_bench.py --tool build/prjmigr [--quick]"""

import argparse
import filecmp
import json
import os
import random
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

BENCH_DIR = os.path.dirname(os.path.abspath(__file__))
REPO_DIR = os.path.dirname(BENCH_DIR)
GNU_TIME = "/usr/bin/time"      # the shell's own `time` reports no memory
# Run before each timed run, with the files it writes: drops the previous ones
# and writes dirty pages back, so that one run's write-back is not the next's.
FRESH_START = ["sh", "-c", 'rm -f -- "$@" && sync', "prepare"]

TARGET_N = 20000
LIMIT_FLOOR, LIMIT_DOUBLING, LIMIT_RSS_MIB, LIMIT_STARTUP = 2.0, 2.2, 64.0, 1.3
# --check writes nothing but looks every script and source up, which the
# conversion does not: about 70 ms at N = 40000.
LIMIT_OPTIONS = {"--warnings": 1.10, "--check": 0.65, "--windows-paths": 1.2}
LIMIT_WINDOWS_WRITTEN = 1.5     # the tree written on Windows, read with --windows-paths
LIMIT_SARIF = 1.10              # --sarif against --warnings: the same lines and a log
LIMIT_FANOUT_GROWTH_MIB = 8.0
# Reports at scale: what a report mode may add to the plain conversion of the
# same file, whose every line is reported.
LIMIT_SCALE_RSS_ABOVE_MIB, LIMIT_SCALE_TIME = 64.0, 3.0
# Batch against a shell loop of single runs: the batch saves a process start
# per project and runs two at once; a conversion syncs two files per project,
# which running side by side hides less.  Its memory is that of the projects
# in flight, not of the fleet.
LIMIT_BATCH = {"--check": 0.3, "convert": 0.5}
LIMIT_BATCH_RSS = 2.0           # batch conversion / single conversion of the largest project
BATCH_JOBS = 2
FULL = {"sizes": [5000, 10000, 20000, 40000], "fanout_depths": [18, 19, 20], "configs": 16,
        "repeat": 5, "startup_runs": 200, "scale_lines": 10000000, "batch_projects": 1000}
QUICK = {"sizes": [500, 1000, 2000], "fanout_depths": [10, 11, 12], "configs": 4,
         "repeat": 3, "startup_runs": 50, "scale_lines": 1000000, "batch_projects": 50}

HDR_PROJECT = "$$$IHM NEVRA$$$PROJET"
HDR_CAMPAIGN = "$$$IHM NEVRA$$$CAMPAGNE"
HDR_SESSION = "$$$IHM NEVRA$$$SESSION"

SESSIONS_PER_FOLDER, TOP_CAMPAIGNS, LEAVES_PER_SET = 40, 4, 8
FANOUT_BYTES_PER_NODE = 3500    # output per session node of the fan-out, rounded up
MODULES = ["calc", "buffer", "parser", "sensor", "motor", "frame", "crc", "timer"]
SHARED_SCRIPTS = ["Common_Init.ptu", "Stubs_Os.ptu", "Env_Setup.pts"]
SHARED_SOURCES = ["Util.c", "Buffer.c", "Parser.cpp", "Hal_Io.c", "Types.h"]
# Sources named by absolute paths, relative here to the run's own folder, which
# holds them: the generator makes every script and source the sessions name.
ABS_SOURCES = ["sdk/targets/common/src/StdLib.c", "sdk/targets/common/include/Nevra_Types.h"]
INCLUDES = ["IN include", "IN ../common/include", "IN /opt/nevra/targets/common/include",
            "IN $(PROJECT_ROOT)/generated", "IN ../3rdparty/cmsis/Include"]
CONFIG_KEYS = ["NC {0}", "PA ../bin/{1}/app.exe", "LA C", "SE .c", "OE .o", "XX .elf",
               "AS O", "VE 5.1", "EX N", "AL tdp/{1}.alk", "CL {0}Target"]
# Optional session keys: (share of the sessions that have it, line).  RA, VA
# and CD have no place in the outputs, and with --warnings each prints a
# warning: a few per thousand sessions, so that the --warnings row measures the
# lookups of the scripts and sources, not the printing of thousands of lines.
OPTIONAL_KEYS = [(0.9, "OC -O2 -Wall -DUNIT_TEST -DMODULE_{MOD} -I../include"),
                 (0.7, "CS -DNEVRA_TEST=1 -DTEST_ID={j} -g"), (0.4, "LK ../link/{mod}.alk"),
                 (0.6, "OP -NOPATH -RENAME={mod}_ -MAXERR=50"),
                 (0.5, "OF --trace=full --timeout=300"), (0.5, "FL {mod}_{j}.tdc"),
                 (0.003, "RA O"), (0.003, "VA {mod}_{j}.rod"), (0.002, "CD .")]
LEFT_OUT_KEYS = ("RA ", "VA ", "CD ")      # each a warning line with --warnings
YES_NO_KEYS = ["DB", "SI", "NI", "AC", "ST"]

SCALE_LINE = "ZZ x\n"          # a key sessions do not have: every line is reported
SCALE_BLOCK = 100000            # lines written at once
REPORTS_SHOWN = 100             # report lines printed per file, then one note counts the rest
# Reports at scale: (mode, options, expected exit code, outputs it writes).
# --check exits with 2 because it reports.
SCALE_MODES = [("plain", [], 0, ["a.rtp", "a.inf"]),
               ("--warnings", ["--warnings"], 0, ["a.rtp", "a.inf"]),
               ("--check", ["--check"], 2, []),
               ("--sarif", ["--sarif", "s.sarif"], 0, ["a.rtp", "a.inf", "s.sarif"])]
# Batch: (mode, options, exit code of the batch and of every single run).  The
# demo's checks report two warnings, so --check exits with 2.
BATCH_MODES = [("--check", ["--check"], 2), ("convert", [], 0)]
DEMO_DIR = os.path.join(REPO_DIR, "examples", "demo")


def log(msg):
    print(msg, file=sys.stderr, flush=True)


# ---------------------------------------------------------------------------
# Generator.  It knows what the outputs must hold because it chose it: one
# unit-testing node per session, a group per campaign and one for the project,
# and one objects entry per distinct script or source it named; and what
# --warnings prints, since every script and source it names exists.

class Writer:
    """Writes legacy files with the noise of real ones and keeps their list."""

    def __init__(self, root, rng):
        self.root, self.rng, self.files = root, rng, []

    def write(self, rel, header, lines):
        rng = self.rng
        eol = "\r\n" if rng.random() < 0.15 else "\n"
        text = ["exported by legacy front end 2.3.1"] if rng.random() < 0.03 else []
        text += [header] + [line + " \t" if rng.random() < 0.05 else line for line in lines]
        path = os.path.join(self.root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", newline="") as handle:
            handle.write(eol.join(text) + eol)
        self.files.append(path)


def case_variant(rng, name):
    """The same name in another letter case: the tool lists it once."""
    return rng.choice([name, name.lower(), name.upper(), name.swapcase()])


def abs_variant(rng, path):
    """The absolute path with its file name in another letter case, and only
    that.  Read as written on Windows, a name that exists takes its case from
    the disk: a folder in another case would come out in the disk's, unlike
    in the plain conversion, while each spelling of the file name is made as
    a file of its own, so that it is kept."""
    folder, name = os.path.split(path)
    return os.path.join(folder, case_variant(rng, name))


def project_lines(count):
    """Names of `count` configurations, and a project file declaring them."""
    names = ["%s_%s_%s" % (t, c, m) for t in ("Host", "Arm", "Ppc", "Rx")
             for c in ("Gcc", "Clang", "Diab", "Iar") for m in ("Debug", "Release")]
    names = [names[i % 32] + ("_%d" % (i // 32) if i >= 32 else "") for i in range(count)]
    configs = [key.format(name, name.lower()) for name in names for key in CONFIG_KEYS]
    return names, INCLUDES + configs + ["IN late/include"]


def session_files(rng, k, mod, j, loose, run):
    """(identity, line) of the script and the source of session j of folder k;
    `run` is the absolute folder of the run, which holds the absolute sources.
    Files shared within a folder go only to sessions read through its
    campaign: one on the command line is read under another path, so its
    relative names would make other entries."""
    sub = "scripts/" if k % 3 == 0 else ""
    script = (("script", k, j), "FP %s%s_t%02d.ptu" % (sub, mod, j))
    source = (("source", k, j), "FS ../src/%s_%02d.c" % (mod, j))
    r = rng.random()
    if r < 0.1:
        path = os.path.join(run, rng.choice(ABS_SOURCES))
        source = (path, "FS " + abs_variant(rng, path))
    elif r < 0.5 and not loose:
        name, folder = rng.choice(SHARED_SOURCES), rng.choice(["Src", "src"])
        source = ((k, name), "FS ../%s/%s" % (folder, case_variant(rng, name)))
        if r < 0.2:
            name = rng.choice(SHARED_SCRIPTS)
            script = ((k, name), "FP " + sub + case_variant(rng, name))
    return [] if r > 0.99 else [script, source]      # a few sessions name neither


def session_lines(rng, k, mod, j, names, loose, run, objects):
    """The lines of a session, and the warning lines they give with
    --warnings: none for its script and source, which the generator makes."""
    r = rng.random()        # most name a configuration; a few none, or one in another case
    lines = [] if r > 0.98 else ["CX " + (rng.choice(names) if r < 0.96
                                          else rng.choice(names).lower())]
    # No CX line: a warning; a configuration in another case: a warning and its note.
    warnings = 1 if r > 0.98 else 2 if r >= 0.96 else 0
    for identity, line in session_files(rng, k, mod, j, loose, run):
        objects.add(identity)
        lines.append(line)
    lines += [line.format(mod=mod, MOD=mod.upper(), j=j)
              for share, line in OPTIONAL_KEYS if rng.random() < share]
    warnings += sum(line.startswith(LEFT_OUT_KEYS) for line in lines)
    return lines + ["%s %s" % (key, rng.choice("ON")) for key in YES_NO_KEYS], warnings


def make_files(paths):
    """Makes each path an empty regular file, with its folders."""
    for folder in sorted({os.path.dirname(path) for path in paths}):
        os.makedirs(folder, exist_ok=True)
    for path in paths:
        open(path, "w").close()


def generate(root, n, configs, seed):
    """Writes a project of n sessions in folders of 40, each with its campaign,
    grouped by eight under four top-level campaigns; 2 % of the sessions (at
    most 1000) are named on the command line.  Makes every script and source
    the sessions name, as an empty file: the relative ones in the project,
    the absolute ones in the folder that holds it.  Returns arguments, the
    legacy files, the scripts and sources made, and counts."""
    rng = random.Random("%d/%d/%d" % (seed, n, configs))
    w, objects, (names, lines) = Writer(root, rng), set(), project_lines(configs)
    run = os.path.dirname(os.path.abspath(root))
    made, warnings = set(), 0        # every spelling of every script and source is a file
    w.write("project.prj", HDR_PROJECT, lines)
    n_loose = min(1000, max(1, round(n * 0.02)))
    members, loose = {}, []          # leaf campaign -> its sessions; loose sessions
    for i in range(n):
        k, j = divmod(i, SESSIONS_PER_FOLDER)
        mod = "%s%03d" % (MODULES[k % len(MODULES)], k)
        path, is_loose = "modules/%s/tests/%s_t%02d.ses" % (mod, mod, j), i >= n - n_loose
        lines, got = session_lines(rng, k, mod, j, names, is_loose, run, objects)
        w.write(path, HDR_SESSION, lines)
        warnings += got
        made.update(os.path.normpath(os.path.join(root, os.path.dirname(path), line[3:]))
                    for line in lines if line.startswith(("FP ", "FS ")))   # absolute: as is
        if is_loose:
            loose.append(path)
        else:
            members.setdefault(os.path.dirname(path) + "/%s.cmp" % mod, []).append(path)
    for leaf, sessions in members.items():
        rng.shuffle(sessions)
        w.write(leaf, HDR_CAMPAIGN, ["FI " + os.path.basename(s) for s in sessions])
    leaves, tops = list(members), []
    for t in range(min(TOP_CAMPAIGNS, len(leaves))):
        mine = leaves[t::TOP_CAMPAIGNS]
        sets = [mine[p:p + LEAVES_PER_SET] for p in range(0, len(mine), LEAVES_PER_SET)]
        for p, chunk in enumerate(sets):      # relative members, as in real projects
            w.write("campaigns/suite_%d/set_%d.cmp" % (t, p), HDR_CAMPAIGN,
                    ["FI ../../" + leaf for leaf in chunk])
        tops.append("campaigns/suite_%d.cmp" % t)
        w.write(tops[-1], HDR_CAMPAIGN, ["FI suite_%d/set_%d.cmp" % (t, p)
                                         for p in range(len(sets))])
    campaigns = sum(path.endswith(".cmp") for path in w.files)
    made = sorted(made)
    make_files(made)
    return {"args": ["project.prj"] + tops + loose, "files": w.files, "made": made,
            "expect": {"sessions": n, "groups": campaigns + 1, "files": len(objects),
                       "warnings": warnings}}


def windows_copy(files, made, root, win_root):
    """The same tree written on Windows: every FI, FS and FP value with
    backslashes and the folders of legacy files it names in capitals, which
    the lookup of --windows-paths finds.  The scripts' and sources' folders
    keep their case: a module holds both `Src` and `src`, and a name in
    another case takes the first of them, where the file may not be.  The
    scripts and sources of the project are made there too; the absolute ones
    are the same files."""
    folders = {name for path in files for name in os.path.relpath(path, root).split(os.sep)[:-1]}
    make_files([os.path.join(win_root, os.path.relpath(path, root)) for path in made
                if not os.path.relpath(path, root).startswith(".." + os.sep)])
    for path in files:
        target = os.path.join(win_root, os.path.relpath(path, root))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(path, newline="") as source, open(target, "w", newline="") as copy:
            for line in source:
                if line[:3] in ("FI ", "FS ", "FP "):
                    parts = line[3:].split("/")
                    line = line[:3] + "\\".join(part.upper() if part in folders and i < len(parts) - 1
                                                 else part for i, part in enumerate(parts))
                copy.write(line)


def generate_fanout(root, depth):
    """fan.prj and c0.cmp .. c<depth-1>.cmp, each naming the next one twice and
    the last naming s.ses twice: 2^depth session nodes from a few small files."""
    w, (names, lines) = Writer(root, random.Random(depth)), project_lines(1)
    w.write("fan.prj", HDR_PROJECT, lines)
    for c in range(depth):
        member = "c%d.cmp" % (c + 1) if c + 1 < depth else "s.ses"
        w.write("c%d.cmp" % c, HDR_CAMPAIGN, ["FI " + member] * 2)
    w.write("s.ses", HDR_SESSION, ["CX " + names[0], "FP s.ptu", "FS ../src/s.c", "OC -O2",
                                   "DB O", "SI N", "ST O"])
    return {"sessions": 2 ** depth, "groups": 2 ** depth, "files": 2}


def generate_scale(root, lines):
    """a.prj with one configuration, and s.ses: its header, then `lines` lines
    of a key sessions do not have.  Written as a repeated block: line by line,
    the 50 MB of the full run would take longer than the runs themselves."""
    os.makedirs(root)
    with open(os.path.join(root, "a.prj"), "w") as handle:
        handle.write(HDR_PROJECT + "\nNC Native\n")
    block = SCALE_LINE * SCALE_BLOCK
    with open(os.path.join(root, "s.ses"), "w") as handle:
        handle.write(HDR_SESSION + "\n")
        for _ in range(lines // SCALE_BLOCK):
            handle.write(block)
        handle.write(SCALE_LINE * (lines % SCALE_BLOCK))


# ---------------------------------------------------------------------------
# Measurement.

def hyperfine(commands, cwd, env, runs, warmup, prepare=None, codes=None):
    """Times named commands; returns hyperfine's results by name.  Exit codes
    are judged after the runs, since --check exits with 2 when it reports;
    `codes` gives the ones accepted by name where they are not the default."""
    with tempfile.NamedTemporaryFile("r", suffix=".json") as export:
        cmd = ["hyperfine", "-N", "--ignore-failure", "--style", "none", "--runs", str(runs),
               "--warmup", str(warmup), "--export-json", export.name]
        for name, argv in commands:   # '=': a name may begin with '-'
            cmd += ["--command-name=" + name, shlex.join(argv)]
            cmd += ["--prepare", shlex.join(prepare[name])] if prepare else []
        res = subprocess.run(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True)
        if res.returncode != 0:
            raise SystemExit("hyperfine failed:\n" + res.stderr)
        results = {r["command"]: r for r in json.load(export)["results"]}
    for name, argv in commands:
        results[name]["argv"] = shlex.join(argv)
        accepted = (codes or {}).get(name, {0, 2} if name == "--check" else {0})
        bad = set(results[name]["exit_codes"]) - accepted
        if bad:
            raise SystemExit("%s exited with %s while timed" % (name, sorted(bad)))
    return results


def run_once(argv, cwd, env):
    """One run under GNU time; returns (exit code, peak RSS in MiB, stderr)."""
    with tempfile.NamedTemporaryFile("r") as rss:
        res = subprocess.run([GNU_TIME, "-f", "%M", "-o", rss.name] + argv, cwd=cwd, env=env,
                             stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True, errors="replace")
        return res.returncode, int(rss.read().split()[-1]) / 1024, res.stderr


def convert_checked(argv, cwd, env, rtp, expect):
    """The untimed first run: it must succeed without a message and write the
    counts the generator expects.  Returns its peak RSS and any problems."""
    code, rss, err = run_once(argv, cwd, env)
    if code != 0:
        raise SystemExit("%s ... exited with %d: %s" % (shlex.join(argv[:4]), code, err[:500]))
    problems = ["unexpected error output: " + err[:200].strip()] if err else []
    for key, suffix, text in (("sessions", ".rtp", "<unit_testing>"),
                              ("groups", ".rtp", "<group>"), ("files", ".inf", "<file>")):
        grep = subprocess.run(["grep", "-c", "-F", "--", text, rtp[:-4] + suffix],
                              stdout=subprocess.PIPE, text=True)
        got = int(grep.stdout or 0)
        if got != expect[key]:
            problems.append("%d %s lines in the %s, %d expected"
                            % (got, text, suffix, expect[key]))
    out_mb = (os.path.getsize(rtp) + os.path.getsize(rtp[:-4] + ".inf")) / 1e6
    return {"rss_mib": rss, "out_mb": out_mb, "problems": problems}


def warnings_checked(argv, cwd, env, expect):
    """The untimed first run with --warnings: it must print the lines the
    generator planted and none about a missing script or source, so that its
    timed runs measure the lookups.  Returns the lines printed and problems."""
    code, _, err = run_once(argv, cwd, env)
    if code != 0:
        raise SystemExit("%s ... exited with %d: %s" % (shlex.join(argv[:4]), code, err[:500]))
    lines = err.splitlines()
    missing = [line for line in lines if " does not exist; " in line]
    problems = ["--warnings: %d scripts or sources do not exist, first: %s"
                % (len(missing), missing[0][:200])] if missing else []
    if len(lines) != expect["warnings"]:
        problems.append("--warnings printed %d lines, %d expected"
                        % (len(lines), expect["warnings"]))
    return len(lines), problems


def measure_size(args, env, n, with_options):
    root = os.path.join(args.tmp, "n%d" % n)
    log("N=%d: generating and converting ..." % n)
    proj = generate(os.path.join(root, "project"), n, args.configs, args.seed)
    inputs, rtp, inf = (os.path.join(root, f) for f in ("inputs", "bench.rtp", "bench.inf"))
    with open(inputs, "w") as handle:
        handle.write("\0".join(proj["files"]))
    tool, cwd = [args.tool, "-o", rtp] + proj["args"], os.path.join(root, "project")
    result = convert_checked(tool, cwd, env, rtp, proj["expect"])
    if with_options:
        result["warnings_lines"], problems = warnings_checked(
            [args.tool, "--warnings"] + tool[1:], cwd, env, proj["expect"])
        result["problems"] += problems
    # What any converter has to do: read every input once, write both outputs
    # and, as the tool does before renaming them into place, fdatasync them.
    floor = ["sh", "-c", 'xargs -0 -a "$1" cat -- && cp -- "$2" "$3" && cp -- "$4" "$5" && '
             'sync -d -- "$3" "$5"', "floor", inputs, rtp, rtp + ".copy", inf, inf + ".copy"]
    # What the disk alone needs: writing as many bytes, whole MiB of zeros, on
    # the same file system and making them durable, as the tool does.
    zeros = os.path.join(root, "zeros")
    write_floor = ["dd", "if=/dev/zero", "of=" + zeros, "bs=1M", "conv=fdatasync", "status=none",
                   "count=%d" % -(-(os.path.getsize(rtp) + os.path.getsize(inf)) // 2 ** 20)]
    # The options run next to the plain conversion, so that drift hits them
    # alike.  --check writes nothing: its runs keep the outputs for the floor.
    sarif = os.path.join(root, "bench.sarif")
    commands = [("tool", tool)] + [(option, [args.tool, option] + tool[1:])
                                   for option in (LIMIT_OPTIONS if with_options else [])]
    if with_options:
        commands.append(("--sarif", [args.tool, "--sarif=" + sarif] + tool[1:]))
    prepare = {"tool": FRESH_START + [rtp, inf], "--warnings": FRESH_START + [rtp, inf],
               "--windows-paths": FRESH_START + [rtp, inf],
               "--check": FRESH_START, "--sarif": FRESH_START + [rtp, inf, sarif],
               "floor": FRESH_START + [rtp + ".copy", inf + ".copy"],
               "write floor": FRESH_START + [zeros]}
    if with_options:
        # The tree written on Windows must give the same documents, byte for byte.
        win_cwd, win_rtp = os.path.join(root, "windows"), os.path.join(root, "out", "bench.rtp")
        windows_copy(proj["files"], proj["made"], cwd, win_cwd)
        os.makedirs(os.path.dirname(win_rtp))
        win_tool = ["env", "-C", win_cwd, args.tool, "--windows-paths", "-o", win_rtp] + proj["args"]
        checked = convert_checked(win_tool, cwd, env, win_rtp, proj["expect"])
        result["problems"] += ["written on Windows: " + p for p in checked["problems"]]
        result["problems"] += ["written on Windows: the %s differs" % suffix for suffix in (".rtp", ".inf")
                               if not filecmp.cmp(rtp[:-4] + suffix, win_rtp[:-4] + suffix, shallow=False)]
        commands.append(("windows-written", win_tool))
        prepare["windows-written"] = FRESH_START + [win_rtp, win_rtp[:-4] + ".inf"]
    commands += [("floor", floor), ("write floor", write_floor)]
    log("N=%d: timing %s ..." % (n, ", ".join(name for name, _ in commands)))
    timed = hyperfine(commands, cwd, env, args.repeat, 1, prepare)
    result.update(n=n, input_files=len(proj["files"]), expect=proj["expect"], timed=timed,
                  input_mb=sum(map(os.path.getsize, proj["files"])) / 1e6,
                  median={name: r["median"] for name, r in timed.items()})
    if not args.keep:
        shutil.rmtree(root)
    return result


def measure_fanout(args, env, depth):
    root = os.path.join(args.tmp, "fan%d" % depth)
    expect = generate_fanout(root, depth)
    need, free = FANOUT_BYTES_PER_NODE * 2 ** depth / 1e9, shutil.disk_usage(root).free / 1e9
    if need * 1.2 > free:
        log("fan-out 2^%d: skipped, needs %.2f GB, %.2f GB free" % (depth, need, free))
        return {"depth": depth, "skipped": "needs %.2f GB, %.2f GB free" % (need, free)}
    log("fan-out 2^%d: converting ..." % depth)
    tool, rtp = [args.tool, "fan.prj", "c0.cmp"], os.path.join(root, "fan.rtp")
    result = convert_checked(tool, root, env, rtp, expect)
    # No warm-up: the checked run has just read the same inputs.
    timed = hyperfine([("fan-out", tool)], root, env, 3, 0,
                      {"fan-out": FRESH_START + [rtp, rtp[:-4] + ".inf"]})["fan-out"]
    shutil.rmtree(root)              # even with --keep: the outputs run into gigabytes
    result.update(depth=depth, median=timed["median"], timed=timed)
    return result


def scale_problems(errors, sarif, lines):
    """What the untimed runs at scale printed and logged, against the cap: no
    report from the plain conversion; from --warnings and in the SARIF log,
    REPORTS_SHOWN reports and one note that counts the others."""
    problems = ["plain conversion: unexpected error output: " + errors["plain"][:200].strip()
                ] if errors["plain"] else []
    shown, rest = errors["--warnings"].splitlines(), str(lines - REPORTS_SHOWN)
    if len(shown) != REPORTS_SHOWN + 1 or "note" not in shown[-1] or rest not in shown[-1]:
        problems.append("--warnings printed %d lines ending with %r, %d expected ending with "
                        "a note counting %s" % (len(shown), shown[-1][:100] if shown else "",
                                                REPORTS_SHOWN + 1, rest))
    try:                             # a log streamed to the end is whole JSON
        with open(sarif) as handle:
            results = len(json.load(handle)["runs"][0]["results"])
    except (OSError, ValueError, KeyError, IndexError) as error:
        return problems + ["--sarif: the log cannot be read: %s" % error]
    if results != REPORTS_SHOWN + 1:
        problems.append("--sarif: %d results in the log, %d expected" % (results,
                                                                         REPORTS_SHOWN + 1))
    return problems


def measure_scale(args, env):
    """The plain conversion and each report mode of a.prj s.ses, where every
    line of s.ses is reported: what the reports cost beyond the conversion."""
    root, lines = os.path.join(args.tmp, "scale"), args.scale_lines
    log("reports at scale: writing %d lines and converting ..." % lines)
    generate_scale(root, lines)
    commands, prepare, rss, errors = [], {}, {}, {}
    for name, options, code, outputs in SCALE_MODES:
        argv = [args.tool] + options + ["a.prj", "s.ses"]
        got, rss[name], errors[name] = run_once(argv, root, env)
        if got != code:
            raise SystemExit("%s exited with %d, %d expected: %s" % (shlex.join(argv), got, code,
                                                                     errors[name][:500]))
        commands.append((name, argv))
        prepare[name] = FRESH_START + [os.path.join(root, f) for f in outputs]
    problems = scale_problems(errors, os.path.join(root, "s.sarif"), lines)
    log("reports at scale: timing %s ..." % ", ".join(name for name, _ in commands))
    timed = hyperfine(commands, root, env, args.repeat, 1, prepare)
    result = {"lines": lines, "input_mb": os.path.getsize(os.path.join(root, "s.ses")) / 1e6,
              "rss_mib": rss, "problems": problems, "timed": timed,
              "median": {name: r["median"] for name, r in timed.items()}}
    if not args.keep:
        shutil.rmtree(root)
    return result


def measure_startup(args, env):
    build, out = os.path.join(args.tmp, "qt_floor"), os.path.join(args.tmp, "demo")
    log("start-up: building bench/qt_floor ...")
    for cmd in (["cmake", "-S", os.path.join(BENCH_DIR, "qt_floor"), "-B", build,
                 "-DCMAKE_BUILD_TYPE=Release"], ["cmake", "--build", build]):
        res = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if res.returncode != 0:
            raise SystemExit("building bench/qt_floor failed:\n" + res.stdout)
    demo = os.path.join(REPO_DIR, "examples", "demo")
    os.makedirs(out)
    commands = [("prjmigr", [args.tool, "-o", os.path.join(out, "demo.rtp"), "demo.prj",
                             "all.cmp", "smoke.ses"]), ("qt_floor", [build + "/qt_floor"])]
    log("start-up: timing ...")
    timed = hyperfine(commands, demo, env, args.startup_runs, 10)
    for name, argv in commands:
        timed[name]["rss_mib"] = run_once(argv, demo, env)[1]
    return timed


def generate_fleet(fleet, count):
    """`count` copies of the demo, each in a folder of its own under `fleet`,
    as a batch finds projects.  Outputs that a run in the checkout may have
    left are not copied: the runs here write their own."""
    folders = [os.path.join(fleet, "p%04d" % i) for i in range(count)]
    for folder in folders:
        shutil.copytree(DEMO_DIR, folder, ignore=shutil.ignore_patterns("*.rtp", "*.inf"))
    return folders


def batch_plan(tool, cwd, env, fleet, folders):
    """The arguments of each project's run, from `--batch --list`, so that the
    loop runs what the batch does.  The projects are copies of one, so every
    line must name one of the folders and give the same arguments."""
    res = subprocess.run([tool, "--batch", "--list", fleet], cwd=cwd, env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    if res.returncode != 0:
        raise SystemExit("--batch --list exited with %d: %s" % (res.returncode, res.stderr[:500]))
    runs = [shlex.split(line) for line in res.stdout.splitlines()]
    plans = {tuple(words[4:]) for words in runs}
    listed = {os.path.join(cwd, words[1]) for words in runs if words[:1] == ["cd"]}
    if (len(runs) != len(folders) or listed != set(folders) or len(plans) != 1
            or any(words[2:4] != ["&&", "prjmigr"] for words in runs)):
        raise SystemExit("--batch --list planned %d runs, one `cd FOLDER && prjmigr ARGUMENTS` "
                         "of the same arguments expected in each of %d folders:\n%s"
                         % (len(runs), len(folders), res.stdout[:500]))
    return list(plans.pop())


def fleet_loop(tool, fleet, argv):
    """What a team would script: one shell that enters each project's folder
    in turn and runs the tool there.  The subshell keeps the loop's folder;
    its last command is exec'd, one process per project as with a plain
    command.  It exits with the highest exit code of the runs, so that one
    that fails shows among those that report."""
    loop = ('tool=$1; fleet=$2; shift 2; rc=0; for d in "$fleet"/*/; do '
            '(cd "$d" && "$tool" "$@"); c=$?; [ "$c" -le "$rc" ] || rc=$c; done; exit "$rc"')
    return ["sh", "-c", loop, "loop", tool, fleet] + argv


def fleet_fresh_start(fleet, outputs):
    """FRESH_START for the outputs of every project, by a pattern: listed, a
    thousand paths would make a --prepare command longer than one argument
    may be."""
    return ["sh", "-c", 'rm -f -- "$1"/*/"$2" "$1"/*/"$3" && sync', "prepare", fleet] + outputs


def remove_outputs(folders, outputs, suffix=""):
    for path in (os.path.join(folder, name + suffix) for folder in folders for name in outputs):
        if os.path.exists(path):
            os.remove(path)


def batch_checked(tool, cwd, env, fleet, folders, plan, outputs):
    """The untimed runs: each batch and each loop once, which must end with
    the expected exit code, and the documents the batch conversion wrote
    against the loop's, project by project.  Returns the peak RSS of the
    batch conversion and the problems."""
    rss, problems = None, []
    for name, options, code in BATCH_MODES:
        remove_outputs(folders, outputs)
        for what, argv in (("batch", [tool, "--batch"] + options + ["--jobs=%d" % BATCH_JOBS,
                                                                   fleet]),
                           ("loop", fleet_loop(tool, fleet, options + plan))):
            got, peak, err = run_once(argv, cwd, env)
            if got != code:
                raise SystemExit("%s %s exited with %d, %d expected: %s"
                                 % (what, name, got, code, err[:500]))
            if what == "batch" and "--check" not in options:   # kept aside for the loop's
                rss = peak
                for path in (os.path.join(f, o) for f in folders for o in outputs):
                    if os.path.exists(path):
                        os.replace(path, path + ".batch")
    for folder in folders:
        for name in outputs:
            path = os.path.join(folder, name)
            if not (os.path.exists(path) and os.path.exists(path + ".batch")):
                problems.append("%s not written by %s" % (
                    os.path.relpath(path, cwd),
                    "the loop" if os.path.exists(path + ".batch") else "the batch"))
            elif not filecmp.cmp(path + ".batch", path, shallow=False):
                problems.append("%s: the batch's differs from the loop's"
                                % os.path.relpath(path, cwd))
    remove_outputs(folders, outputs, ".batch")
    return rss, problems


def measure_batch(args, env):
    """--batch on a fleet of copies of the demo, checking and converting,
    against a shell loop of single runs from each project's folder; and the
    peak RSS of the batch conversion against a single conversion's."""
    root, fleet = os.path.join(args.tmp, "batch"), "fleet"
    log("batch: copying the demo %d times ..." % args.batch_projects)
    folders = generate_fleet(os.path.join(root, fleet), args.batch_projects)
    plan = batch_plan(args.tool, root, env, fleet, folders)
    project = next(arg for arg in plan if arg.lower().endswith(".prj"))
    outputs = [os.path.splitext(os.path.basename(project))[0] + s for s in (".rtp", ".inf")]
    log("batch: checking and converting %d projects, and looping over them ..." % len(folders))
    rss, problems = batch_checked(args.tool, root, env, fleet, folders, plan, outputs)
    # The projects are copies of the demo: the first is as large as any.
    code, single_rss, err = run_once([args.tool] + plan, folders[0], env)
    if code != 0:
        raise SystemExit("%s exited with %d: %s" % (shlex.join(plan), code, err[:500]))
    commands, prepare, codes = [], {}, {}
    for name, options, code in BATCH_MODES:     # the batch beside its loop, mode by mode
        fresh = FRESH_START if "--check" in options else fleet_fresh_start(fleet, outputs)
        for what, argv in (("batch", [args.tool, "--batch"] + options
                            + ["--jobs=%d" % BATCH_JOBS, fleet]),
                           ("loop", fleet_loop(args.tool, fleet, options + plan))):
            commands.append(("%s %s" % (what, name), argv))
            prepare[commands[-1][0]], codes[commands[-1][0]] = fresh, {code}
    log("batch: timing %s ..." % ", ".join(name for name, _ in commands))
    timed = hyperfine(commands, root, env, args.repeat, 1, prepare, codes)
    if not args.keep:
        shutil.rmtree(root)
    return {"projects": len(folders), "jobs": BATCH_JOBS, "plan": plan, "rss_mib": rss,
            "single_rss_mib": single_rss, "problems": problems, "timed": timed,
            "median": {name: r["median"] for name, r in timed.items()}}


# ---------------------------------------------------------------------------
# Report.

def print_scale(scale):
    t, rss = scale["median"], scale["rss_mib"]
    print("\nReports at scale: a.prj s.ses, %d lines `%s` (%.1f MB), each reported; "
          "%d shown" % (scale["lines"], SCALE_LINE.strip(), scale["input_mb"], REPORTS_SHOWN))
    print("  %-10s %7s %7s %7s %7s" % ("mode", "time s", "/plain", "RSS MiB", "+MiB"))
    for name, _, _, _ in SCALE_MODES:
        print("  %-10s %7.3f %6.2fx %7.1f %+7.1f" % (name, t[name], t[name] / t["plain"],
                                                     rss[name], rss[name] - rss["plain"]))


def print_batch(batch):
    t = batch["median"]
    print("\nBatch: %d copies of examples/demo, --jobs=%d, against a shell loop of single "
          "runs (%s) from each folder" % (batch["projects"], batch["jobs"],
                                          shlex.join(batch["plan"])))
    print("  %-9s %8s %8s %7s" % ("mode", "batch s", "loop s", "/loop"))
    for name, _, _ in BATCH_MODES:
        print("  %-9s %8.3f %8.3f %6.2fx" % (name, t["batch " + name], t["loop " + name],
                                             t["batch " + name] / t["loop " + name]))
    print("  peak RSS: batch conversion %.1f MiB, single conversion %.1f MiB (%.2fx)" % (
        batch["rss_mib"], batch["single_rss_mib"], batch["rss_mib"] / batch["single_rss_mib"]))


def print_figures(args, sizes, fans, scale, startup, batch):
    print("\nConversion at C=%d; write floor: dd of as many MiB with fdatasync; floor: cat "
          "of the inputs, cp and fdatasync of the outputs" % args.configs)
    print("  %6s %6s %6s %7s %7s %7s %7s %6s %7s %7s" % (
        "N", "files", "in MB", "out MB", "tool s", "write s", "floor s", "/write", "/floor",
        "RSS MiB"))
    for r in sizes:
        t = r["median"]
        print("  %6d %6d %6.1f %7.1f %7.3f %7.3f %7.3f %5.2fx %6.2fx %7.1f" % (
            r["n"], r["input_files"], r["input_mb"], r["out_mb"], t["tool"], t["write floor"],
            t["floor"], t["tool"] / t["write floor"], t["tool"] / t["floor"], r["rss_mib"]))
    for r in sizes:
        if "warnings_lines" in r:
            print("  N=%d: --warnings printed %d lines (%d expected: sessions without a CX "
                  "line or naming a configuration in another case, RA, VA and CD lines)"
                  % (r["n"], r["warnings_lines"], r["expect"]["warnings"]))
    print("\nFan-out: fan.prj c0.cmp, a chain of campaigns each naming the next twice")
    for f in fans:
        print("  2^%-3d %s" % (f["depth"], "skipped: " + f["skipped"] if "skipped" in f else
              "%9.1f MB out %8.3f s %7.1f MiB RSS" % (f["out_mb"], f["median"], f["rss_mib"])))
    print_scale(scale)
    print("\nStart-up on examples/demo, %d runs" % args.startup_runs)
    for name, r in startup.items():
        print("  %-9s %.2f ms, peak RSS %.1f MiB" % (name + ":", r["median"] * 1e3, r["rss_mib"]))
    print_batch(batch)


def scale_targets(scale):
    """Each report mode against the plain conversion of the same file."""
    t, rss = scale["median"], scale["rss_mib"]
    modes = [name for name, _, _, _ in SCALE_MODES if name != "plain"]
    return ([("reports at scale %s peak RSS MiB above plain" % name,
              rss[name] - rss["plain"], LIMIT_SCALE_RSS_ABOVE_MIB) for name in modes] +
            [("reports at scale %s/plain, %.3f s" % (name, t[name]), t[name] / t["plain"],
              LIMIT_SCALE_TIME) for name in modes])


def batch_targets(batch):
    """Each batch mode against its loop, and the batch conversion's memory
    against that of a single conversion of the largest project."""
    t, n, jobs = batch["median"], batch["projects"], batch["jobs"]
    return ([("batch %s --jobs=%d/loop of single runs, %d projects, %.3f s" % (
        name, jobs, n, t["batch " + name]), t["batch " + name] / t["loop " + name],
        LIMIT_BATCH[name]) for name, _, _ in BATCH_MODES] +
            [("batch convert --jobs=%d peak RSS/single conversion, %.1f MiB" % (
                jobs, batch["rss_mib"]), batch["rss_mib"] / batch["single_rss_mib"],
              LIMIT_BATCH_RSS)])


def targets(sizes, fans, scale, startup, batch):
    """(what, figure, limit) of every target.  The limits are set for N=20000,
    fan-out depths 19 and 20 and 1000 projects in the batch; other runs are
    held to them as they stand."""
    head = next((r for r in sizes if r["n"] == TARGET_N), sizes[-1])
    t, last = head["median"], sizes[-1]["median"]
    out = [("N=%d tool/write floor" % r["n"], r["median"]["tool"] / r["median"]["write floor"],
            LIMIT_FLOOR) for r in sizes if r is head or r is sizes[-1]]
    out += [("N=%d peak RSS MiB" % head["n"], head["rss_mib"], LIMIT_RSS_MIB)]
    out += [("N %d -> %d time step (floor's %.2fx)" % (a["n"], b["n"], b["median"]["floor"]
             / a["median"]["floor"]), b["median"]["tool"] / a["median"]["tool"],
             LIMIT_DOUBLING * b["n"] / a["n"] / 2) for a, b in zip(sizes, sizes[1:])]
    out += [("N=%d %s/plain, %.3f s" % (sizes[-1]["n"], option, last[option]),
             last[option] / last["tool"], limit) for option, limit in LIMIT_OPTIONS.items()]
    out += [("N=%d written on Windows, --windows-paths/plain, %.3f s" % (
        sizes[-1]["n"], last["windows-written"]), last["windows-written"] / last["tool"],
        LIMIT_WINDOWS_WRITTEN)]
    out += [("N=%d --sarif/--warnings, %.3f s" % (sizes[-1]["n"], last["--sarif"]),
             last["--sarif"] / last["--warnings"], LIMIT_SARIF)]
    ran = [f for f in fans if "skipped" not in f]
    out += [("fan-out 2^%d -> 2^%d time step" % (a["depth"], b["depth"]),
             b["median"] / a["median"], LIMIT_DOUBLING ** (b["depth"] - a["depth"]))
            for a, b in zip(ran, ran[1:])]
    if len(ran) >= 2:                # the last two depths stand for 2^19 and 2^20
        a, b = ran[-2:]
        out += [("fan-out 2^%d peak RSS MiB" % a["depth"], a["rss_mib"], LIMIT_RSS_MIB),
                ("fan-out 2^%d peak RSS MiB above 2^%d" % (b["depth"], a["depth"]),
                 b["rss_mib"] - a["rss_mib"], LIMIT_FANOUT_GROWTH_MIB)]
    out += scale_targets(scale)
    out += [("demo start-up prjmigr/bare Qt", startup["prjmigr"]["median"]
             / startup["qt_floor"]["median"], LIMIT_STARTUP)]
    return out + batch_targets(batch)


def report(args, load, sizes, fans, scale, startup, batch):
    """Prints the figures and the targets; returns whether all targets pass."""
    print("\nprjmigr benchmark: %s, built %s; %d cores, 1-min load %.2f at start, %.2f at "
          "end%s" % (args.tool, time.ctime(os.path.getmtime(args.tool)), os.cpu_count(), *load,
                     " (busy: noisy figures)" if max(load) > os.cpu_count() / 2 else ""))
    print("Medians of %d hyperfine runs per size, per mode at scale and per batch and loop, "
          "and 3 per fan-out depth; peak RSS from GNU time" % args.repeat)
    print_figures(args, sizes, fans, scale, startup, batch)
    print("\nTargets (limits set for N=%d, fan-out 2^19, 2^20 and %d projects in the batch)"
          % (TARGET_N, FULL["batch_projects"]))
    passed = []
    for what, figure, limit in targets(sizes, fans, scale, startup, batch):
        passed.append(figure <= limit)
        print("  %s  %s: %.2f (limit %.2f)" % ("PASS" if passed[-1] else "FAIL", what,
                                                figure, limit))
    problems = ["N=%d: %s" % (r["n"], p) for r in sizes for p in r["problems"]]
    problems += ["fan-out 2^%d: %s" % (f["depth"], p) for f in fans for p in f.get("problems", [])]
    problems += ["reports at scale: " + p for p in scale["problems"]]
    problems += ["batch: " + p for p in batch["problems"]]
    passed.append(not problems)
    print("  %s  outputs hold what the generator put in%s" % (
        "FAIL" if problems else "PASS", "".join("\n        " + p for p in problems)))
    return all(passed)


# ---------------------------------------------------------------------------

def parse_args(argv):
    numbers = lambda text: sorted(int(x) for x in text.split(","))
    p = argparse.ArgumentParser(description=__doc__.split(":")[0])
    p.add_argument("--tool", default=os.path.join(REPO_DIR, "build", "prjmigr"))
    p.add_argument("--sizes", type=numbers, help="session counts (5000,10000,20000,40000)")
    p.add_argument("--configs", type=int, help="configurations per project (16)")
    p.add_argument("--fanout-depths", type=numbers, help="fan-out of 2^k sessions (18,19,20)")
    p.add_argument("--repeat", type=int, help="timed runs per size (5)")
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--workdir", default=tempfile.gettempdir(), help="where the run's folder goes")
    p.add_argument("--keep", action="store_true", help="keep generated projects and outputs")
    p.add_argument("--json", help="also write every figure and run to this file")
    p.add_argument("--quick", action="store_true", help="smoke run of a few seconds")
    args = p.parse_args(argv)
    for key, value in (QUICK if args.quick else FULL).items():
        if getattr(args, key, None) is None:
            setattr(args, key, value)
    args.tool = os.path.abspath(args.tool)
    return args


def main(argv):
    args = parse_args(argv)
    if not os.access(args.tool, os.X_OK):
        raise SystemExit("tool not found or not executable: " + args.tool)
    missing = [cmd for cmd in ("hyperfine", GNU_TIME, "cmake", "grep") if not shutil.which(cmd)]
    if missing:
        raise SystemExit("missing %s (see bench/README.md)" % ", ".join(missing))
    args.tmp = tempfile.mkdtemp(prefix="prjmigr-bench-", dir=args.workdir)
    os.makedirs(os.path.join(args.tmp, "kelmar", "lib", "locale"))   # no catalogue: English
    env = dict(os.environ, KELMARDIR=os.path.join(args.tmp, "kelmar"), NEVRAHOME="/opt/nevra")
    load = [os.getloadavg()[0]]
    try:
        sizes = [measure_size(args, env, n, n == args.sizes[-1]) for n in args.sizes]
        fans = [measure_fanout(args, env, k) for k in args.fanout_depths]
        scale = measure_scale(args, env)
        startup = measure_startup(args, env)
        batch = measure_batch(args, env)
    finally:
        if args.keep:
            log("files kept in " + args.tmp)
        else:
            shutil.rmtree(args.tmp, ignore_errors=True)
    load.append(os.getloadavg()[0])
    all_pass = report(args, load, sizes, fans, scale, startup, batch)
    if args.json:
        with open(args.json, "w") as handle:
            json.dump({"sizes": sizes, "fanout": fans, "scale": scale, "startup": startup,
                       "batch": batch, "all_pass": all_pass}, handle, indent=1)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
