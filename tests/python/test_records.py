"""The typed records made from to_dict(): each value as int, str, None,
EnumValue or Overlay, and the component's paths, enumerations, groups and
table rows."""
import pytest

import mifkit
from mifkit import EnumValue, Overlay
from conftest import EVERY_TYPE, EXAMPLE


def test_values_by_type():
    db = mifkit.parse(EVERY_TYPE)
    assert db.ok, [str(d) for d in db.diagnostics]
    group = db.component.groups[0]
    expected = {
        "DisplayString": ("DisplayString", "ab"), "Counter64": ("Counter64", 18446744073709551615),
        "Integer64": ("Integer64", -9223372036854775808), "Counter": ("Counter", 4294967295), "Gauge": ("Gauge", 8),
        "Integer": ("Integer", -2147483648), "OctetString": ("OctetString", "xy"), "Date": ("Date", "d"),
        "Own": ("Enum", EnumValue(5, "five")), "Unmatched": ("Enum", EnumValue(9, None)),
        "NoValue": ("DisplayString", None), "Unsupported": ("Counter", None), "Unknown": ("Counter", None)}
    values = {a.name: a for a in group.attributes}
    assert {name: (a.type, a.value) for name, a in values.items()} == expected
    assert {name: type(a.value) for name, a in values.items()} == {n: type(v) for n, (_, v) in expected.items()}
    assert values["Unknown"].unknown and not values["Unsupported"].unknown
    assert values["Unsupported"].access == "Unsupported" and values["Counter"].access is None
    assert values["Unmatched"].enumeration == "E"
    assert [(e.value, e.text) for e in values["Own"].elements] == [(5, "five")]
    assert (values["OctetString"].size, values["Counter"].size) == (4, None)
    assert values["Counter"].storage == "Common"


def test_component_records_and_table_rows():
    component = mifkit.parse(EXAMPLE).component
    assert component.description == "A network interface card described for the management agent."
    assert [(p.name, [(e.os, e.path, e.direct_interface) for e in p.entries]) for p in component.paths] == [
        ("Adapter Instrumentation", [("WIN32", "adapter32.dll", False), ("UNIX", None, True)])]
    (link_state,) = component.enumerations
    assert [(e.value, e.text) for e in link_state.elements] == [(0, "Down"), (1, "Up"), (2, "Testing")]
    identity, port = component.groups
    assert (identity.id, identity.class_name, identity.keys) == (1, "DMTF|ComponentID|001", [])
    assert (port.id, port.keys) == (None, [1])
    assert {a.name: a.value for a in identity.attributes}["Serial Number"] == Overlay("SerialNumberOverlay")
    (table,) = component.tables
    assert (table.id, table.columns) == (2, 4)
    assert table.rows == [[1, EnumValue(1, "Up"), 1024, -2], [2, EnumValue(0, "Down"), 0, -5],
                          [3, Overlay("PortLink"), 16, 7]]
    with pytest.raises(AttributeError):
        component.name = "changed"
