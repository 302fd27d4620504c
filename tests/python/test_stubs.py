"""The type stubs name what the native module has, so editors complete real names."""
import ast
import pathlib

import mifkit
from mifkit import _mifkit


def stub_names():
    tree = ast.parse((pathlib.Path(mifkit.__file__).parent / "_mifkit.pyi").read_text())
    for node in tree.body:
        if isinstance(node, ast.ClassDef):
            yield node.name, [n.name for n in node.body if isinstance(n, ast.FunctionDef)]
        elif isinstance(node, ast.FunctionDef):
            yield node.name, []
        elif isinstance(node, ast.AnnAssign):
            yield node.target.id, []


def test_every_stub_name_exists_in_the_native_module():
    names = list(stub_names())
    assert {"Database", "Diagnostic", "parse_path", "parse_bytes", "__version__"} <= {name for name, _ in names}
    for name, members in names:
        native = getattr(_mifkit, name)
        assert [m for m in members if not hasattr(native, m)] == [], name
