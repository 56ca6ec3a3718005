#!/usr/bin/env python3
"""Scores ten thousand names with a separate implementation of the grid and score rules,
written from the rules alone and reading the database file directly, and compares every
column with `langyue-cli score -`.

usage: independent_score.py BUILD_DIR SOURCE_DIR
"""
import random
import sqlite3
import subprocess
import sys

build_dir, source_dir = sys.argv[1], sys.argv[2]
db = sqlite3.connect(f"{build_dir}/data/namedata.db")

ELEMENT_OF_DIGIT = "水木木火火土土金金水"  # index = last digit
FACTOR = {"大吉": 100, "吉": 100, "中": 85, "凶": 60, "大凶": 30}
WEIGHTS = [5, 30, 20, 20, 10, 15]


def char_row(ch):
    row = db.execute('select 简体笔画数, 繁体笔画数, 五行属性 from LM_CNWord where 汉字=? limit 1',
                     (ch,)).fetchone()
    if row is None or not row[2] or row[0] == 0:  # the acceptance rule
        return (0, 0, "")
    return row


def number_verdict(n):
    row = db.execute("select 吉凶 from LM_八一灵动数 where Id=? limit 1", (n,)).fetchone()
    return row[0] if row else ""


def pattern_verdict(p):
    row = db.execute("select 吉凶 from LM_三才配置 where 三才=? limit 1", (p,)).fetchone()
    return row[0] if row else ""


def score(surname, given):
    s = [char_row(c) for c in surname[:2]] + [(0, 0, "")] * (2 - len(surname[:2]))
    g = [char_row(c) for c in given[:2]] + [(0, 0, "")] * (2 - len(given[:2]))
    if len(surname) == 1 and surname == "于" and s[0][0] != 0:
        s[0] = (s[0][0], s[0][0], s[0][2])
    s1, s2, g1, g2 = s[0][1], s[1][1], g[0][1], g[1][1]
    one_s, one_g = len(surname) == 1, len(given) == 1
    heaven = s1 + 1 if one_s else s1 + s2
    person = (s1 if one_s else s2) + g1
    earth = g1 + 1 if one_g else g1 + g2
    total = s1 + s2 + g1 + g2
    if one_s and one_g:
        outer = 2
    elif not one_s and not one_g:
        outer = total - person
    else:
        outer = total - person + 1
    pattern = "".join(ELEMENT_OF_DIGIT[x % 10] for x in (heaven, person, earth))
    verdicts = [number_verdict(x) for x in (heaven, person, earth, total, outer)]
    verdicts.append(pattern_verdict(pattern))
    hundredths = sum(w * FACTOR.get(v, 0) for w, v in zip(WEIGHTS, verdicts))
    simplified = sum(x[0] for x in s + g)
    elements = "".join(x[2] for x in s + g)
    return "\t".join([surname + given, str(simplified), str(total), elements,
                      ",".join(map(str, (heaven, person, earth, total, outer))), pattern,
                      str(hundredths // 100), ",".join(verdicts)])


random.seed(20130210)
pool = "".join(open(f"{source_dir}/resources/pools/{name}.txt", encoding="utf-8").read().strip()
               for name in ("boys_characters", "girls_characters"))
surnames = [r[0] for r in db.execute("select 姓 from LM_百家姓")] or ["李", "欧阳"]
surnames += ["于", "李", "王", "张", "欧阳", "司马"]
names = []
for _ in range(10000):
    given = "".join(random.choice(pool) for _ in range(random.choice((1, 2, 2))))
    names.append((random.choice(surnames), given))

result = subprocess.run([f"{build_dir}/langyue-cli", "score", "-"], capture_output=True,
                        text=True, input="".join(f"{s} {g}\n" for s, g in names))
got = result.stdout.splitlines()
if result.returncode != 0 or len(got) != len(names):
    sys.exit(f"langyue-cli score - failed: exit {result.returncode}, {len(got)} lines\n{result.stderr}")
mismatches = [(want, line) for (s, g), line in zip(names, got) if (want := score(s, g)) != line]
for want, line in mismatches[:5]:
    print(f"expected {want}\n     got {line}")
print(f"{len(names) - len(mismatches)} passed, {len(mismatches)} failed")
sys.exit(1 if mismatches else 0)
