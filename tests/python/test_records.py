"""The typed records: values of every type as int, str or None, enumeration
values with their element's text, overlays, and a table's rows."""
import pytest

import mifkit
from mifkit import EnumValue, Overlay
from conftest import EXAMPLE, HOST_FILES


@pytest.fixture
def values(every_type):
    db = mifkit.parse(every_type)
    assert db.ok, [str(d) for d in db.diagnostics]
    (group,) = db.component.groups
    return {a.name: a for a in group.attributes}


@pytest.mark.parametrize("name, type_name, value", [
    ("Counter", "Counter", 4294967295),
    ("Gauge", "Gauge", 7),
    ("Integer", "Integer", -2147483648),
    ("Counter64", "Counter64", 18446744073709551615),
    ("Integer64", "Integer64", -9223372036854775808),
    ("Octets", "OctetString", "ab"),
    ("Display", "DisplayString", 'say "hi"'),
    ("Date", "Date", "19970301120000.000000+000"),
    ("Named", "Enum", EnumValue(2, "Tape")),
    ("Own", "Enum", EnumValue(6, "six")),
    ("Unmatched", "Enum", EnumValue(9, None)),
    ("Overlaid", "DisplayString", Overlay("SerialOverlay")),
    ("Unknown", "Integer", None),
])
def test_values_by_type(values, name, type_name, value):
    attribute = values[name]
    assert attribute.type == type_name
    assert attribute.value == value
    assert type(attribute.value) is type(value)


def test_attribute_details(values):
    assert values["Unknown"].unknown and not values["Integer"].unknown
    assert values["Named"].enumeration == "Kind"
    assert [(e.value, e.text) for e in values["Own"].elements] == [(5, "five"), (6, "six")]
    assert (values["Octets"].size, values["Counter"].size) == (4, None)
    assert values["Counter"].storage == "Common" and values["Counter"].access is None


def test_component_records():
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


@pytest.mark.parametrize("path, table_id, rows", [
    (EXAMPLE, 2, [[1, EnumValue(1, "Up"), 1024, -2],
                  [2, EnumValue(0, "Down"), 0, -5],
                  [3, Overlay("PortLink"), 16, 7]]),
    (HOST_FILES / "table.mif", 7, [
        [1, "system", 0x1FFFFFFFF, EnumValue(1, "Disk"), "abA", "19970301120000.000000+000", -2**63],
        [2, "backup", 0, EnumValue(2, "Tape"), "????", "20240229235959.000000+060", 2**63 - 1],
        [3, "none", 42, EnumValue(1, "Disk"), "", "19970301120000.000000+000", -1]]),
])
def test_table_rows_with_template_defaults(path, table_id, rows):
    (table,) = mifkit.parse(path).component.tables
    assert table.id == table_id and table.columns == len(rows[0])
    assert table.rows == rows


def test_records_are_read_only():
    component = mifkit.parse(EXAMPLE).component
    with pytest.raises(AttributeError):
        component.name = "changed"
