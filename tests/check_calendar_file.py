#!/usr/bin/env python3
"""Reads calendar files with an independent iCalendar parser: the file of an
anniversary list, checked against the list's own lines, and the files of the
ics command, of each kind and all together."""
import datetime
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
        assert text in str(event["DESCRIPTION"]) and "CHL" not in str(event["SUMMARY"]), (text, str(event["SUMMARY"]))
        assert "DTSTAMP" in event
        uids.add(str(event["UID"]))
    assert len(uids) == len(events), "every UID differs"
    return len(events)


def read_ics(raw):
    lines = raw.split(b"\r\n")
    assert lines[-1] == b"" and all(len(l) <= 75 for l in lines), "CRLF lines folded at 75 octets"
    raw.decode("utf-8")  # folding never splits a character
    return icalendar.Calendar.from_ical(raw)


def export(cli, folder, name, date, *args):
    path = Path(folder) / name
    done = run(cli, *args, "--out", str(path), "ics", date)
    assert done.returncode == 0, done.stderr
    calendar = read_ics(path.read_bytes())
    assert "meridian 120° E" in str(calendar["X-WR-CALDESC"]) and str(calendar["X-WR-CALNAME"])
    return calendar, done.stdout.decode()


def listed_days(cli, kind, date, years, *extra):
    out = run(cli, "--years", years, *extra, "list", kind, date).stdout.decode()
    return [f"{int(y):04d}{m}{d}" for y, m, d in re.findall(r"=\s+(-?\d+)-(\d\d)-(\d\d) CE", out)]


def ymd(value):
    return f"{value.year:04d}{value.month:02d}{value.day:02d}"


def check_ics(cli):
    title = "Mum's birthday, with a long title: 生日快乐 to see the folding of UTF-8 text at 75 octets"
    kinds = ["--kind", "anniversary", "--kind", "terms", "--kind", "phases", "--kind", "monthstarts"]
    options = [*kinds, "--years", "4", "--title", title, "--note", "Cake; flowers", "--alarm", "2@08:30"]
    with tempfile.TemporaryDirectory() as folder:
        first, _ = export(cli, folder, "a.ics", "2020-06-01 CE", *options)
        again, _ = export(cli, folder, "b.ics", "2020-06-01 CE", *options)
        events = list(first.walk("VEVENT"))
        uids = [str(e["UID"]) for e in events]
        assert len(set(uids)) == len(uids) and uids == [str(e["UID"]) for e in again.walk("VEVENT")]
        by = {}
        for e in events:
            by.setdefault(str(e["UID"]).split("-")[0], []).append(e)
        # The anniversary of a day of leap month 4 falls in the ordinary month where the year lacks it.
        assert [ymd(e.decoded("DTSTART")) for e in by["anniversary"]] == listed_days(cli, "anniversaries", "2020-06-01 CE", "4")
        months = listed_days(cli, "monthstarts", "2021-06-01 CE", "4")  # 2020 to 2023
        assert [ymd(e.decoded("DTSTART")) for e in by["monthstart"]] == months
        for e in by["anniversary"] + by["monthstart"]:
            assert not hasattr(e.decoded("DTSTART"), "hour"), "all-day"
        for e in by["anniversary"]:
            assert str(e["SUMMARY"]) == title and "CHL" in str(e["DESCRIPTION"]) and "Cake; flowers" in str(e["DESCRIPTION"])
            assert e.walk("VALARM")[0].decoded("TRIGGER") == datetime.timedelta(days=-2, hours=8, minutes=30)
        assert "CHL" not in str(by["monthstart"][0]["SUMMARY"]), "date codes go to the description"
        assert len(by["term"]) == 96 and not any(e.walk("VALARM") for e in by["term"] + by["phase"])
        assert 4 * 49 <= len(by["phase"]) <= 4 * 50
        for e in by["term"] + by["phase"]:
            start = e.decoded("DTSTART")
            assert start.utcoffset() == datetime.timedelta(0) and 2020 <= start.year <= 2023, "timed, UTC"
        spring = [e.decoded("DTSTART") for e in by["term"] if str(e["SUMMARY"]) == "Beginning of spring"]
        assert ymd(spring[-1]) == "20230204", spring  # Li chun 2023-02-04 02:42 UTC
        phases = [str(e["SUMMARY"]) for e in by["phase"]]
        assert all(phases[i] != phases[i + 1] for i in range(len(phases) - 1)), "the phases take turns"

        festive, _ = export(cli, folder, "e.ics", "2024-03-01 CE", "--kind", "festivals", "--years", "2")
        listed = run(cli, "--years", "2", "festivals", "2024-03-01 CE").stdout.decode()
        days = re.findall(r"^(\d+)-(\d\d)-(\d\d) CE .* CHL  (.+)$", listed, re.M)
        festivals = list(festive.walk("VEVENT"))
        assert [(ymd(e.decoded("DTSTART")), str(e["SUMMARY"]).split(" · ")[0]) for e in festivals] == \
            [(y + m + d, name) for y, m, d, name in days] and len(days) > 20
        assert str(festivals[0]["SUMMARY"]) == "Spring Festival · Year of the Dragon"
        words, _ = export(cli, folder, "w.ics", "2024-02-10 CE", "--names", "hans", "--years", "1", "--kind", "anniversary",
                          "--kind", "festivals", "--kind", "terms", "--kind", "monthstarts")
        titles = [str(e["SUMMARY"]) for e in words.walk("VEVENT")]
        assert titles.count("春节 甲辰年") == 2 and "正月初一" in titles and "立春" in titles, titles[:4]

        # The year of a missing leap month left out; years before 1 CE left out and said.
        skipped, _ = export(cli, folder, "c.ics", "2020-06-01 CE", "--kind", "anniversary", "--years", "10", "--missing", "skip")
        assert len(list(skipped.walk("VEVENT"))) == 1
        early, said = export(cli, folder, "d.ics", "-3-02-01 CE", "--kind", "anniversary", "--years", "10")
        assert len(list(early.walk("VEVENT"))) < 10 and "outside 1–9999 CE left out" in said, said

        # Bad input: exit 2 and no file.
        (Path(folder) / "file").write_text("")
        for bad in (["--kind", "birthdays"], ["--kind", "terms", "--years", "0"], ["--kind", "terms", "--years", "990"],
                    ["--kind", "anniversary", "--alarm", "2@25:00"], ["--kind", "terms", "--out", f"{folder}/file/x.ics"]):
            out = f"{folder}/bad.ics"
            done = run(cli, "--out", out, *bad, "ics", "2020-06-01 CE")
            assert done.returncode == 2 and done.stderr and not Path(out).exists(), (bad, done)
            assert not any(p.name.startswith("x.ics") for p in Path(folder).rglob("*")), bad
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
    check_ics(cli)
    print(f"{len(counts) + 1} passed, 0 failed")


if __name__ == "__main__":
    main()
