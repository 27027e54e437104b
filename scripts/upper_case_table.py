#!/usr/bin/env python3
"""Writes chain/upper_case_table.cpp: the simple upper-case mapping of
every Unicode character that has one, as Windows compares names when it
ignores case, from the Unicode data of this Python.

    scripts/upper_case_table.py > chain/upper_case_table.cpp
    clang-format -i chain/upper_case_table.cpp
"""
import sys
import unicodedata


def mappings():
    """The simple mapping: where the full upper case is several characters
    (U+1F80 is U+1F08 U+0399), the title case is the simple one (U+1F88)."""
    for code in range(0x110000):
        upper = chr(code).upper()
        if len(upper) > 1:
            upper = chr(code).title()
        if len(upper) == 1 and upper != chr(code):
            yield code, ord(upper) - code


def runs():
    """Runs of characters one or two apart that move by the same offset."""
    runs = []
    for code, delta in mappings():
        if runs:
            first, last, step, stride = runs[-1]
            if step == delta and code - last in (1, 2) and stride in (0, code - last):
                runs[-1] = [first, code, delta, code - last]
                continue
        runs.append([code, code, delta, 0])
    return runs


def main():
    rows = [f"{{0x{f:05X}, 0x{l:05X}, {d}, {max(s, 1)}}}," for f, l, d, s in runs()]
    print(f"""// Written by scripts/upper_case_table.py from Unicode {unicodedata.unidata_version}: do not edit.
#include "chain/names.h"

#include <algorithm>
#include <array>

namespace vantiro {{
namespace {{

// Characters first to last, every stride-th one, whose upper case lies
// offset away.
struct UpperRun {{
  char32_t first, last;
  int offset, stride;
}};

constexpr std::array<UpperRun, {len(rows)}> kUpperRuns = {{{{""")
    for i in range(0, len(rows), 3):
        print("    " + " ".join(rows[i:i + 3]))
    print("""}};

}  // namespace

char32_t UpperCase(char32_t c) {
  const auto after = std::upper_bound(kUpperRuns.begin(), kUpperRuns.end(), c,
                                      [](char32_t code, const UpperRun& run) { return code < run.first; });
  if (after == kUpperRuns.begin()) return c;
  const UpperRun& run = *(after - 1);
  if (c > run.last || (c - run.first) % run.stride != 0) return c;
  return static_cast<char32_t>(static_cast<int>(c) + run.offset);
}

}  // namespace vantiro""")


if __name__ == "__main__":
    sys.exit(main())
