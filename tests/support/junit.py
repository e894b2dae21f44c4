"""Writes a suite's results in the JUnit form that CTest's summary in dev.sh counts."""

import os


def write_results(path, suite, cases):
    """cases: (name, problems) pairs; a case with problems has failed."""
    failed = sum(1 for _, problems in cases if problems)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as out:
        out.write(f'<testsuites tests="{len(cases)}" failures="{failed}" errors="0" skipped="0" '
                  f'name="{suite}">\n<testsuite name="{suite}" tests="{len(cases)}" failures="{failed}">\n')
        for name, problems in cases:
            out.write(f'<testcase name="{name}">')
            if problems:
                detail = "\n".join(problems).replace("&", "&amp;").replace("<", "&lt;")
                out.write(f'<failure message="{len(problems)} problems">{detail}</failure>')
            out.write("</testcase>\n")
        out.write("</testsuite>\n</testsuites>\n")
    print(f"{len(cases) - failed} passed, {failed} failed")
    return failed
