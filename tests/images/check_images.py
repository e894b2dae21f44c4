#!/usr/bin/python3
"""Every committed picture of the panel against its SVG source: renders them
afresh with tools/make_panel_images.py --check, one case per image.

  check_images.py ROOT RESULTS.xml
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from junit import write_results  # noqa: E402


def main():
    root, results = sys.argv[1:3]
    run = subprocess.run([sys.executable, os.path.join(root, "tools", "make_panel_images.py"), "--check"],
                         capture_output=True, text=True)
    cases = []
    for line in run.stdout.splitlines():
        verdict, _, name = line.rpartition(" ")
        cases.append((name, [] if verdict == "ok" else [f"{name} {verdict}"]))
    if run.returncode != 0 and not any(problems for _, problems in cases):
        # The tool itself failed (a source that does not render, a missing tool).
        cases.append(("rendering", [run.stderr.strip() or f"exit status {run.returncode}"]))
    for _, problems in cases:
        for problem in problems:
            print(problem)
    return 1 if write_results(results, "quenby_image_checks", cases) or not cases else 0


if __name__ == "__main__":
    sys.exit(main())
