"""The count of a test stage's checks, shared by the stages written in Python (windows-test,
driver-test, windows-session-end): each check is told in one line, "passed: ..." or
"FAILED: ...", as it is made, and the stage ends with the totals."""
import sys


class Checks:
    def __init__(self, out=sys.stdout):
        self.passed = 0
        self.failed = 0
        self.out = out

    def check(self, what, ok, detail=""):
        """Counts and tells one check; the detail is told only of a failure. Returns ok."""
        ok = bool(ok)
        if ok:
            self.passed += 1
            print(f"passed: {what}", file=self.out, flush=True)
        else:
            self.failed += 1
            print(f"FAILED: {what}" + (f" ({detail})" if detail else ""), file=self.out,
                  flush=True)
        return ok

    def count(self, line):
        """Counts a verdict another program printed in the same form; other lines count nothing.
        Returns whether the line was one."""
        if line.startswith("passed: "):
            self.passed += 1
        elif line.startswith("FAILED: "):
            self.failed += 1
        else:
            return False
        return True

    def add(self, passed, failed):
        """Results counted elsewhere (a ctest run)."""
        self.passed += passed
        self.failed += failed

    @property
    def all_passed(self):
        return self.failed == 0
