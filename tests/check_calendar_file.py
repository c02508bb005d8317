#!/usr/bin/env python3
"""Reads the calendar file of an anniversary list with an independent
iCalendar parser and checks every event against the list's own lines."""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

import icalendar


def run(cli, *args):
    return subprocess.run([cli, *args], capture_output=True, check=False)


def check(cli, date, years, extra=()):
    with tempfile.TemporaryDirectory() as folder:
        path = Path(folder) / "anniversaries.ics"
        listed = run(cli, "--years", years, *extra, "list", "anniversaries", date)
        assert listed.returncode == 0, listed.stderr
        written = run(cli, "--years", years, *extra, "--ics", str(path), "list", "anniversaries", date)
        assert written.returncode == 0, written.stderr
        raw = path.read_bytes()

    # Every listed day of the Common Era years 1 to 9999, in order.
    days = re.findall(r"^(\S+ CHL) = (-?\d+)-(\d\d)-(\d\d) CE =", listed.stdout.decode(), re.M)
    days = [(text, f"{int(y):04d}{m}{d}") for text, y, m, d in days if int(y) >= 1]
    assert days, "the list has days"

    lines = raw.split(b"\r\n")
    assert lines[-1] == b"", "the file ends with CRLF"
    assert all(b"\n" not in l and b"\r" not in l for l in lines), "lines end with CRLF only"
    assert all(len(l) <= 75 for l in lines), "lines are folded at 75 octets"

    calendar = icalendar.Calendar.from_ical(raw)
    assert str(calendar["VERSION"]) == "2.0"
    events = list(calendar.walk("VEVENT"))
    assert len(events) == len(days), (len(events), len(days))
    uids = set()
    for event, (text, day) in zip(events, days):
        start = event.decoded("DTSTART")
        assert f"{start.year:04d}{start.month:02d}{start.day:02d}" == day, (start, day)
        assert not hasattr(start, "hour"), "all-day events"
        assert (event.decoded("DTEND") - start).days == 1
        assert text in str(event["SUMMARY"]), (text, str(event["SUMMARY"]))
        assert "DTSTAMP" in event
        uids.add(str(event["UID"]))
    assert len(uids) == len(events), "every UID differs"
    return len(events)


def main():
    cli = sys.argv[1]
    # A day of the leap fourth month of 2020, with its fall-backs; a day 30;
    # lunar new years; a list whose first years lie before 1 CE.
    counts = [check(cli, "2020-06-01 CE", "40"),
              check(cli, "2021-02-11 CE", "25", ["--omit-invalid"]),
              check(cli, "2020-01-25 CE", "10"),
              check(cli, "-3-02-01 CE", "10")]
    assert counts[3] < 10, "years before 1 CE are left out"
    print(f"{len(counts)} passed, 0 failed")


if __name__ == "__main__":
    main()
