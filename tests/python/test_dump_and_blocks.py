"""to_dict() against `mifkit dump`, and the data blocks against the bytes the
C interface writes for the same file."""
import ctypes
import json

import pytest

import mifkit
from conftest import EXAMPLE, HOST_FILES, run_tool

PARSING_FILES = [EXAMPLE, HOST_FILES / "table.mif"]


@pytest.mark.parametrize("path", PARSING_FILES, ids=lambda p: p.name)
def test_to_dict_equals_the_dump(tool, path):
    dumped = run_tool(tool, "dump", str(path))
    assert dumped.returncode == 0
    assert mifkit.parse(path).to_dict() == json.loads(dumped.stdout)


def test_to_dict_of_every_type_equals_the_dump(tool, every_type):
    assert mifkit.parse(every_type).to_dict() == json.loads(run_tool(tool, "dump", str(every_type)).stdout)


def test_to_dict_of_a_failed_parse_keeps_what_was_read():
    document = mifkit.parse((HOST_FILES / "errors.mif").read_bytes()).to_dict()
    assert document["component"]["name"] == "Errors"


class CLibrary:
    """The C interface of the shared library: one process-wide parser."""

    def __init__(self, path):
        self.lib = ctypes.CDLL(path)
        self.lib.ParseMIFFile.argtypes = [ctypes.c_char_p]
        for name in ("GetGroupData", "GetTableData"):
            getattr(self.lib, name).argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_char_p,
                                                ctypes.c_int, ctypes.POINTER(ctypes.c_uint), ctypes.c_void_p]

    def parse(self, path):
        self.lib.ShutdownParser(0)
        return self.lib.ParseMIFFile(str(path).encode())

    def block(self, name, id, class_bytes=b"", attributes=None):
        query = getattr(self.lib, name)
        ids = (ctypes.c_uint * (len(attributes) + 1))(*attributes, 0) if attributes is not None else None
        cls = class_bytes or None
        size = query(None, 0, id, cls, len(class_bytes), ids, None)
        buffer = ctypes.create_string_buffer(size)
        if size:
            query(None, 0, id, cls, len(class_bytes), ids, buffer)
        return buffer.raw


@pytest.fixture
def c_library(library_path):
    library = CLibrary(library_path)
    yield library
    library.lib.ShutdownParser(0)


@pytest.mark.parametrize("path, method, export, id, class_name, attributes", [
    (EXAMPLE, "group_data", "GetGroupData", 1, None, None),
    (EXAMPLE, "group_data", "GetGroupData", 0, "Example|Port|002", [4, 2]),
    (EXAMPLE, "table_data", "GetTableData", 2, None, None),
    (EXAMPLE, "table_data", "GetTableData", 0, "Example|Port|002", [3]),
    (EXAMPLE, "table_data", "GetTableData", 99, None, None),
    (HOST_FILES / "table.mif", "table_data", "GetTableData", 7, None, None),
    (HOST_FILES / "table.mif", "group_data", "GetGroupData", 0, "Example|Drive|001", [7, 5, 3]),
])
def test_data_blocks_equal_the_c_exports(c_library, path, method, export, id, class_name, attributes):
    assert c_library.parse(path) == 0
    stored = class_name.encode("utf-16-be") + b"\0\0" if class_name else b""
    expected = c_library.block(export, id, stored, attributes)
    db = mifkit.parse(path)
    assert getattr(db, method)(id, class_name, attributes) == expected
    assert getattr(db, method)(id, stored, attributes) == expected
    assert (expected == b"") == (id == 99)


def test_group_ids_equal_the_component_order():
    assert mifkit.parse(EXAMPLE).group_ids() == [1, 2]
