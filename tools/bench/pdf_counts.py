#!/usr/bin/env python3
"""Counts what a PDF offers for navigation: outline entries and link annotations.

    python3 tools/bench/pdf_counts.py file.pdf [...]

Link annotations are split by what they do: "internal" jumps inside the file (a /Dest, or a
/GoTo action), "url" opens an address (a /URI action), "other" is anything else (/Launch,
/GoToR, a link without an action). Reads the file with `qpdf --json` (qpdf 10.6 or later).
"""

import json
import subprocess
import sys


def _load(pdf):
    out = subprocess.run(["qpdf", "--json", "--json-key=pages", "--json-key=outlines", "--json-key=qpdf", pdf],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    # qpdf exits 3 on warnings but still writes the whole JSON
    if out.returncode not in (0, 3) or not out.stdout:
        raise RuntimeError("qpdf cannot read %s: %s" % (pdf, out.stderr.decode(errors="replace").strip()))
    return json.loads(out.stdout)


def _outline_size(items):
    return sum(1 + _outline_size(item.get("kids", [])) for item in items)


def link_kind(annot, deref):
    """"internal", "url" or "other" for one /Link annotation dictionary."""
    if "/Dest" in annot:
        return "internal"
    action = deref(annot.get("/A"))
    if not isinstance(action, dict):
        return "other"
    kind = action.get("/S")
    if kind == "/GoTo":
        return "internal"
    if kind == "/URI":
        return "url"
    return "other"


def counts(pdf):
    data = _load(pdf)
    objects = data["qpdf"][1]

    def deref(value):
        # follow indirect references ("12 0 R") to the object's value
        for _ in range(8):
            if not (isinstance(value, str) and value.endswith(" R")):
                return value
            entry = objects.get("obj:" + value, {})
            value = entry.get("value", entry.get("stream", {}).get("dict"))
        return value

    result = {"pages": len(data["pages"]), "outline": _outline_size(data.get("outlines", [])),
              "internal": 0, "url": 0, "other": 0}
    for page in data["pages"]:
        page_dict = deref(page["object"]) or {}
        for ref in deref(page_dict.get("/Annots")) or []:
            annot = deref(ref)
            if isinstance(annot, dict) and annot.get("/Subtype") == "/Link":
                result[link_kind(annot, deref)] += 1
    result["links"] = result["internal"] + result["url"] + result["other"]
    return result


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    print("pages\toutline\tinternal\turl\tother\tfile")
    for pdf in sys.argv[1:]:
        c = counts(pdf)
        print("%d\t%d\t%d\t%d\t%d\t%s" % (c["pages"], c["outline"], c["internal"], c["url"], c["other"], pdf))
    return 0


if __name__ == "__main__":
    sys.exit(main())
