"""to_dict() against `mifkit dump`, the typed records made from it (each value
as int, str, None, EnumValue or Overlay; the component's paths, enumerations,
groups and table rows), and the data blocks against the bytes the C interface
writes for the same file."""
import ctypes
import json
import os

import pytest

import mifkit
from mifkit import EnumValue, Overlay
from conftest import EVERY_TYPE, EXAMPLE, HOST_FILES, run_tool


@pytest.mark.parametrize("path", [EXAMPLE, HOST_FILES / "table.mif", EVERY_TYPE], ids=lambda p: p.name)
def test_to_dict_equals_the_dump(path):
    dumped = run_tool("dump", str(path))
    assert dumped.returncode == 0
    assert mifkit.parse(path).to_dict() == json.loads(dumped.stdout)


@pytest.fixture
def c_library():
    """The C interface of the shared library: one process-wide parser."""
    lib = ctypes.CDLL(os.environ["MIFKIT_LIBRARY"])
    lib.ParseMIFFile.argtypes = [ctypes.c_char_p]
    for name in ("GetGroupData", "GetTableData"):
        getattr(lib, name).argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_char_p,
                                       ctypes.c_int, ctypes.POINTER(ctypes.c_uint), ctypes.c_void_p]
    lib.ShutdownParser(0)
    yield lib
    lib.ShutdownParser(0)


@pytest.mark.parametrize("method, id, class_name, attributes", [
    ("group_data", 1, None, None),
    ("group_data", 0, "Example|Port|002", [4, 2]),
    ("table_data", 2, None, None),
    ("table_data", 0, "Example|Port|002", [3]),
    ("table_data", 99, None, None),
])
def test_data_blocks_equal_the_c_exports(c_library, method, id, class_name, attributes):
    assert c_library.ParseMIFFile(str(EXAMPLE).encode()) == 0
    stored = class_name.encode("utf-16-be") + b"\0\0" if class_name else b""
    query = c_library.GetGroupData if method == "group_data" else c_library.GetTableData
    ids = (ctypes.c_uint * (len(attributes) + 1))(*attributes, 0) if attributes is not None else None
    expected = ctypes.create_string_buffer(query(None, 0, id, stored or None, len(stored), ids, None))
    if len(expected):  # both calls of the protocol: the size, then the block
        query(None, 0, id, stored or None, len(stored), ids, expected)
    db = mifkit.parse(EXAMPLE)
    assert getattr(db, method)(id, class_name, attributes) == expected.raw
    assert getattr(db, method)(id, stored, attributes) == expected.raw
    assert (expected.raw == b"") == (id == 99)
    assert db.group_ids() == [1, 2]


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
