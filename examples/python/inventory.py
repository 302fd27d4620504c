#!/usr/bin/env python3
"""Inventory of the MIF files under a directory, as CSV on stdout.

    python3 examples/python/inventory.py DIR > inventory.csv

One CSV row per value: file, component, group class, row (the table row's
number, empty for a group), attribute name, value. An enumeration value is
its element's text, an overlay *NAME, a missing value empty. A file that does
not parse is reported on stderr with its first diagnostic.
"""
import csv
import pathlib
import sys

try:
    import mifkit
except ImportError:  # not installed: the module of a build in the clone (scripts/test.sh builds build/)
    sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "build" / "python"))
    import mifkit


def shown(value: mifkit.Value) -> str:
    if value is None:
        return ""
    if isinstance(value, mifkit.Overlay):
        return "*" + value.name
    if isinstance(value, mifkit.EnumValue):
        return value.text if value.text is not None else str(value.value)
    return str(value)


def rows_of(file: str, component: mifkit.Component):
    groups_by_class = {}
    for group in component.groups:
        groups_by_class.setdefault(group.class_name, group)
        if group.id is not None:  # a template without an ID only shapes its tables
            for attribute in group.attributes:
                yield [file, component.name, group.class_name, "", attribute.name, shown(attribute.value)]
    for table in component.tables:
        names = [a.name for a in groups_by_class[table.class_name].attributes]
        for number, row in enumerate(table.rows, start=1):
            for name, value in zip(names, row):
                yield [file, component.name, table.class_name, number, name, shown(value)]


def main(argv) -> int:
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    out = csv.writer(sys.stdout, lineterminator="\n")
    out.writerow(["file", "component", "class", "row", "attribute", "value"])
    failed = 0
    for path in sorted(pathlib.Path(argv[1]).rglob("*")):
        if path.suffix.lower() != ".mif" or not path.is_file():
            continue
        db = mifkit.parse(path)
        if not db.ok:
            failed += 1
            first = str(db.diagnostics[0]) if db.diagnostics else f"status {db.status}"
            print(f"{path}: {first}", file=sys.stderr)
            continue
        out.writerows(rows_of(str(path), db.component))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
