#!/usr/bin/env python3
"""Lints the bundled documents with `xmlattr lint --format sarif` and checks
the logs with two validators:

  1. the SARIF 2.1.0 JSON schema shipped in the @microsoft/sarif-multitool
     npm package (package.json here; `npm ci` installs it), with
     python3-jsonschema;
  2. `Sarif.Multitool validate` from the same package, the SARIF SDK's own
     validator: none of its results may be an error.

One log has findings only; the other also has a file that cannot be read
(an invocation notification). Exit status 77 (a skip for CTest) when a
validator is not installed, except under CI (CI set), where that fails.

usage: validate.py XMLATTR_TOOL SOURCE_DIR
"""
import json
import os
import stat
import subprocess
import sys
import tempfile

SKIP = 77
HERE = os.path.dirname(os.path.abspath(__file__))
PACKAGE = os.path.join(HERE, "node_modules", "@microsoft", "sarif-multitool-linux")
SCHEMA = os.path.join(PACKAGE, "sarif-2.1.0.json")
MULTITOOL = os.path.join(PACKAGE, "Sarif.Multitool")


def missing(what):
    print(f"validator not installed: {what} (cd tests/tools/sarif && npm ci; "
          "apt-get install python3-jsonschema)")
    sys.exit(1 if os.environ.get("CI") else SKIP)


def lint(tool, source_dir, args, expected_status, out_path):
    run = subprocess.run([tool, "lint", "--format", "sarif", *args], cwd=source_dir,
                         capture_output=True, timeout=120)
    if run.returncode != expected_status:
        sys.exit(f"xmlattr lint {' '.join(args)}: exit {run.returncode}, expected "
                 f"{expected_status}\n{run.stderr.decode(errors='replace')}")
    with open(out_path, "wb") as out:
        out.write(run.stdout)
    return json.loads(run.stdout)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tool, source_dir = sys.argv[1], sys.argv[2]
    try:
        import jsonschema
    except ImportError:
        missing("python3-jsonschema")
    if not os.path.exists(SCHEMA) or not os.path.exists(MULTITOOL):
        missing("@microsoft/sarif-multitool")
    # npm may not run the package's install script that makes it executable.
    mode = os.stat(MULTITOOL).st_mode
    if not mode & stat.S_IXUSR:
        os.chmod(MULTITOOL, mode | stat.S_IXUSR)

    with open(SCHEMA, encoding="utf-8") as file:
        schema = json.load(file)
    validator = jsonschema.validators.validator_for(schema)(schema)

    failures = 0
    with tempfile.TemporaryDirectory() as work:
        logs = []
        cases = [(["examples/documents"], 1, "documents.sarif"),
                 (["examples/documents", "no-such-file.fo"], 2, "unreadable.sarif")]
        for args, status, name in cases:
            path = os.path.join(work, name)
            log = lint(tool, source_dir, args, status, path)
            if not log["runs"][0]["results"]:
                sys.exit(f"{name}: no results: the bundled documents hold one of each finding")
            for error in validator.iter_errors(log):
                failures += 1
                print(f"{name}: schema: {'/'.join(map(str, error.absolute_path))}: "
                      f"{error.message}")
            logs.append(path)

        report = os.path.join(work, "validation.sarif")
        run = subprocess.run([MULTITOOL, "validate", *logs, "--output", report],
                             capture_output=True, timeout=300,
                             env={**os.environ, "DOTNET_SYSTEM_GLOBALIZATION_INVARIANT": "1"})
        if run.returncode != 0 or not os.path.exists(report):
            sys.exit(f"Sarif.Multitool validate failed ({run.returncode}):\n"
                     f"{run.stdout.decode(errors='replace')}{run.stderr.decode(errors='replace')}")
        with open(report, encoding="utf-8-sig") as file:
            validation = json.load(file)
        for sarif_run in validation["runs"]:
            for result in sarif_run.get("results", []):
                level = result.get("level", "warning")
                where = result["locations"][0]["physicalLocation"]["artifactLocation"]["uri"]
                text = result["message"].get("text") or ", ".join(
                    result["message"].get("arguments", []))
                print(f"multitool: {level}: {result['ruleId']}: {os.path.basename(where)}: {text}")
                failures += level == "error"
            for invocation in sarif_run.get("invocations", []):
                for note in invocation.get("toolExecutionNotifications", []):
                    if note.get("level", "warning") == "error":
                        failures += 1
                        print(f"multitool: tool error: {note['message'].get('text')}")
    if failures:
        sys.exit(f"{failures} validation error(s)")
    print(f"{len(cases)} SARIF logs valid (schema and Sarif.Multitool)")


if __name__ == "__main__":
    main()
