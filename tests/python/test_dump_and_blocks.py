"""to_dict() against `mifkit dump`, and the data blocks against the bytes the
C interface writes for the same file."""
import ctypes
import json
import os

import pytest

import mifkit
from conftest import EVERY_TYPE, EXAMPLE, HOST_FILES, run_tool


@pytest.mark.parametrize("path", [EXAMPLE, HOST_FILES / "table.mif", EVERY_TYPE], ids=lambda p: p.name)
def test_to_dict_equals_the_dump(tool, path):
    dumped = run_tool(tool, "dump", str(path))
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


def c_block(lib, export, id, class_bytes, attributes):
    query = getattr(lib, export)
    ids = (ctypes.c_uint * (len(attributes) + 1))(*attributes, 0) if attributes is not None else None
    cls = class_bytes or None
    size = query(None, 0, id, cls, len(class_bytes), ids, None)
    buffer = ctypes.create_string_buffer(size)
    if size:
        query(None, 0, id, cls, len(class_bytes), ids, buffer)
    return buffer.raw


@pytest.mark.parametrize("method, export, id, class_name, attributes", [
    ("group_data", "GetGroupData", 1, None, None),
    ("group_data", "GetGroupData", 0, "Example|Port|002", [4, 2]),
    ("table_data", "GetTableData", 2, None, None),
    ("table_data", "GetTableData", 0, "Example|Port|002", [3]),
    ("table_data", "GetTableData", 99, None, None),
])
def test_data_blocks_equal_the_c_exports(c_library, method, export, id, class_name, attributes):
    assert c_library.ParseMIFFile(str(EXAMPLE).encode()) == 0
    stored = class_name.encode("utf-16-be") + b"\0\0" if class_name else b""
    expected = c_block(c_library, export, id, stored, attributes)
    db = mifkit.parse(EXAMPLE)
    assert getattr(db, method)(id, class_name, attributes) == expected
    assert getattr(db, method)(id, stored, attributes) == expected
    assert (expected == b"") == (id == 99)
    assert db.group_ids() == [1, 2]
