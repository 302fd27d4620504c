"""The typed records made from to_dict(): each value as int, str, None,
EnumValue or Overlay, and the component's paths, enumerations, groups and
table rows."""
import pytest

import mifkit
from mifkit import EnumValue, Overlay
from conftest import EXAMPLE


def test_values_by_type(every_type):
    db = mifkit.parse(every_type)
    assert db.ok, [str(d) for d in db.diagnostics]
    (group,) = db.component.groups
    expected = {
        "Counter": ("Counter", 4294967295), "Gauge": ("Gauge", 7), "Integer": ("Integer", -2147483648),
        "Counter64": ("Counter64", 18446744073709551615), "Integer64": ("Integer64", -9223372036854775808),
        "Octets": ("OctetString", "ab"), "Display": ("DisplayString", 'say "hi"'),
        "Date": ("Date", "19970301120000.000000+000"), "Named": ("Enum", EnumValue(2, "Tape")),
        "Own": ("Enum", EnumValue(6, "six")), "Unmatched": ("Enum", EnumValue(9, None)),
        "Overlaid": ("DisplayString", Overlay("SerialOverlay")), "Unknown": ("Integer", None)}
    values = {a.name: a for a in group.attributes}
    assert {name: (a.type, a.value) for name, a in values.items()} == expected
    assert {name: type(a.value) for name, a in values.items()} == {n: type(v) for n, (_, v) in expected.items()}
    assert values["Unknown"].unknown and not values["Integer"].unknown
    assert values["Named"].enumeration == "Kind"
    assert [(e.value, e.text) for e in values["Own"].elements] == [(5, "five"), (6, "six")]
    assert (values["Octets"].size, values["Counter"].size) == (4, None)
    assert values["Counter"].storage == "Common" and values["Counter"].access is None


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
