#!/usr/bin/env python3
"""Runs the Linux and the Windows rulewright-cli on the same projects and
compares what they write, byte for byte: the packed project, its JSON dump,
the .per and .ai of a build, the check's report, and the exit codes.

The projects are the shipped templates and variants generated from them:
entries moved between categories, dropped and repeated, and texts replaced
by Japanese, half-width kana, spaces and symbols, so that every text passes
through both systems' code page 932 conversion.

The Windows program runs under Wine and is given Windows paths (Z:\\...).
"""
import argparse
import json
import pathlib
import random
import subprocess
import sys
import tempfile

PIECES = ["家", "城主", "ｱｰﾁｬｰ", "射手", "～", "①", "Ⅲ", "㈱", "ー", "ヴ", "髙", "﨑", "纊",
          " ", "  ", "a", "Z", "9", "-", "_", "(", ")", ";", "「", "」", "、", "。", "＋", "÷"]
TEXT_FIELDS = ["title", "chatText"]


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def run_windows(cmd):
    # Wine now and then fails to start a program at all: exit 1, nothing
    # printed. Such a run is tried once more; a real failure says something.
    result = run(cmd)
    if result[0] != 0 and not result[1] and not result[2]:
        result = run(cmd)
    return result


def run(cmd):
    # Through files, not pipes: Wine's own background processes inherit the
    # handles and would hold a pipe open after the program has ended.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        code = subprocess.run(cmd, stdin=subprocess.DEVNULL, stdout=out, stderr=err).returncode
        out.seek(0)
        err.seek(0)
        return code, out.read(), err.read()


def random_text(rng):
    return "".join(rng.choice(PIECES) for _ in range(rng.randint(1, 12))).strip() or "x"


def variant(rng, sources):
    base = json.loads(json.dumps(rng.choice(sources)))
    pool = [e for s in sources for c in s["categories"] for e in c["entries"]
            if e.get("marker") != "\\f" and e.get("actions")]
    base["magic"] = "VURI"
    base["title"] = random_text(rng)
    base["author"] = random_text(rng)
    for category in base["categories"]:
        entries = category["entries"]
        for _ in range(rng.randint(0, 4)):
            if entries and rng.random() < 0.4:
                entries.pop(rng.randrange(len(entries)))
            elif pool:
                e = json.loads(json.dumps(rng.choice(pool)))
                for field in TEXT_FIELDS:
                    if field in e and rng.random() < 0.5:
                        e[field] = random_text(rng)
                entries.insert(rng.randint(0, len(entries)), e)
    return base


def compare(args):
    linux = args.linux
    windows = ["wine", args.windows]
    templates = sorted(pathlib.Path(args.templates).glob("*.json"))
    sources = [json.loads(t.read_text(encoding="utf-8")) for t in templates]
    rng = random.Random(args.seed)
    failures = []
    built = 0
    with tempfile.TemporaryDirectory(prefix="rw-compare-") as tmp:
        tmp = pathlib.Path(tmp)
        cases = [(t.stem, t.read_text(encoding="utf-8")) for t in templates]
        cases += [(f"variant{i}", json.dumps(variant(rng, sources), ensure_ascii=False))
                  for i in range(args.count)]
        for n, (name, text) in enumerate(cases):
            case = tmp / f"case{n}"
            case.mkdir()
            source = case / "project.json"
            source.write_text(text, encoding="utf-8")
            packed = case / "linux.rwp"
            code, _, err = run([linux, "pack", str(source), "-o", str(packed)])
            if code != 0:
                failures.append(f"{name}: the Linux program cannot pack it: {err.decode()}")
                continue

            def both(command):
                return (run([linux, *command(str)]), run_windows([*windows, *command(windows_path)]))

            checks = {
                "dump": lambda p: ["dump", p(packed)],
                "check": lambda p: ["check", p(packed)],
            }
            for label, command in checks.items():
                l, w = both(command)
                if l != w:
                    failures.append(f"{name}: {label} differs (exit {l[0]} / {w[0]})")
            (case / "L").mkdir()
            (case / "W").mkdir()
            ai = "ボット bot"
            l = run([linux, "build", str(packed), "--out", str(case / "L"), "--name", ai])
            w = run_windows([*windows, "build", windows_path(packed), "--out", windows_path(case / "W"),
                     "--name", ai])
            if l[0] != w[0]:
                failures.append(f"{name}: build exit {l[0]} / {w[0]}: {w[2].decode(errors='replace')}")
            elif l[0] == 0:
                built += 1
            for ext in (".per", ".ai"):
                lf, wf = case / "L" / (ai + ext), case / "W" / (ai + ext)
                if lf.exists() != wf.exists() or (lf.exists() and lf.read_bytes() != wf.read_bytes()):
                    failures.append(f"{name}: the {ext} files differ")
            if n % 5 == 0:
                wpacked = case / "windows.rwp"
                code, _, err = run_windows([*windows, "pack", windows_path(source), "-o", windows_path(wpacked)])
                # Each save scrambles with a mode of its own: compare what the files hold.
                if code != 0 or run([linux, "dump", str(wpacked)]) != run([linux, "dump", str(packed)]):
                    failures.append(f"{name}: pack differs: {err.decode(errors='replace')}")
    print(f"compare-cli: {len(cases)} projects ({built} built by both), {len(failures)} differences")
    for f in failures:
        print("  " + f)
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--linux", required=True)
    parser.add_argument("--windows", required=True)
    parser.add_argument("--templates", required=True)
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--seed", type=int, default=932)
    sys.exit(compare(parser.parse_args()))


if __name__ == "__main__":
    main()
