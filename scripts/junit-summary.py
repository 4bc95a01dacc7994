#!/usr/bin/env python3
"""Sums CTest's JUnit reports into one closing line: N passed, N failed."""
import sys
import xml.etree.ElementTree as ET

passed = failed = skipped = 0
for path in sys.argv[1:]:
    try:
        cases = ET.parse(path).getroot().iter("testcase")
    except (OSError, ET.ParseError):
        failed += 1  # a suite that left no report did not run
        continue
    for case in cases:
        status = case.get("status", "run")
        if status == "fail" or case.find("failure") is not None:
            failed += 1
        elif status in ("notrun", "disabled") or case.find("skipped") is not None:
            skipped += 1
        else:
            passed += 1
line = f"{passed} passed, {failed} failed"
print(line + (f", {skipped} skipped" if skipped else ""))
