#!/usr/bin/env python3
"""The forge's workflows, checked where no forge is: each file parses as
YAML, every job's steps either use an action or run one of the project's
own scripts (which exists and passes `bash -n`), CI runs the test command,
and a release runs the tests before it makes the release files.

    check_workflows.py [ROOT]
"""
import pathlib
import shlex
import subprocess
import sys

import yaml

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def scripts_run(root, workflow):
    """The scripts a workflow's steps run, in order."""
    text = yaml.safe_load(workflow.read_text(encoding="utf-8"))
    # YAML 1.1 reads the key `on` as true.
    check(isinstance(text, dict) and (text.get("on") or text.get(True)) and text.get("jobs"),
          f"{workflow.name}: no triggers or no jobs")
    scripts = []
    for job_name, job in (text.get("jobs") or {}).items():
        for number, step in enumerate(job.get("steps", []), 1):
            where = f"{workflow.name}: {job_name}, step {number}"
            check(("run" in step) != ("uses" in step), f"{where} neither runs nor uses one thing")
            if "run" not in step:
                continue
            words = shlex.split(step["run"])
            check(len(words) >= 2 and words[0] == "bash", f"{where} is not `bash SCRIPT`: {step['run']!r}")
            if len(words) < 2:
                continue
            script = root / words[1]
            if not script.is_file():
                check(False, f"{where} runs {words[1]}, which does not exist")
                continue
            syntax = subprocess.run(["bash", "-n", str(script)], capture_output=True, text=True)
            check(syntax.returncode == 0, f"{where}: bash -n {words[1]}: {syntax.stderr.strip()}")
            scripts.append(words[1])
    return scripts


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                        pathlib.Path(__file__).resolve().parent.parent.parent)
    workflows = root / ".github" / "workflows"
    ran = {w.name: scripts_run(root, w) for w in sorted(workflows.glob("*.yml"))}
    check(ran.get("ci.yml") == [".ci/run"], f"ci.yml runs {ran.get('ci.yml')}")
    release = ran.get("release.yml", [])
    check(".ci/run" in release and "scripts/release.sh" in release
          and release.index(".ci/run") < release.index("scripts/release.sh"),
          f"release.yml runs {release}: not the tests, then the release")
    for failure in failures:
        print(f"check_workflows: {failure}", file=sys.stderr)
    if failures:
        sys.exit(1)
    print(f"check_workflows: {', '.join(f'{n} runs {s}' for n, s in ran.items())}: ok")


if __name__ == "__main__":
    main()
