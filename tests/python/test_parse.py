"""Parsing from a path or bytes, the diagnostics of a broken file, the
exceptions a Python caller meets for a mistake of their own; each Database
with its own parser, so that threads parse different files at once; and type
stubs naming what the native module has, so editors complete real names."""
import ast
import pathlib
import threading

import pytest

import mifkit
from mifkit import _mifkit
from conftest import EXAMPLE, HOST_FILES, run_tool

# A group without its Class statement: a syntax error.
BROKEN = b'Start Component\n    Name = "Broken"\n    Start Group\n        Name = "g"\n    End Group\nEnd Component\n'


@pytest.mark.parametrize("source", [str(EXAMPLE), EXAMPLE, EXAMPLE.read_bytes(), bytearray(EXAMPLE.read_bytes())],
                         ids=["str", "pathlib", "bytes", "bytearray"])
def test_the_example_parses_from_any_source(source):
    db = mifkit.parse(source)
    assert db.ok and db.status == 0 and db.diagnostics == []
    assert db.component.name == "Example Network Adapter"
    assert db.to_dict() == mifkit.parse(EXAMPLE).to_dict()


@pytest.mark.parametrize("name", ["errors.mif", "syntax.mif"])
def test_a_file_that_does_not_parse_gives_its_diagnostics(name):
    path = HOST_FILES / name
    db = mifkit.parse(path)
    assert not db.ok and db.status != 0
    checked = run_tool("check", str(path))
    # The tool prints the library's lines as they are; str() gives each without its newline.
    assert "".join(d.text for d in db.diagnostics).encode() == checked.stdout
    assert [str(d) + "\n" for d in db.diagnostics] == [d.text for d in db.diagnostics]
    assert str(db.status) in checked.stderr.decode()


def test_diagnostic_fields_and_what_a_failed_parse_read(tmp_path):
    path = tmp_path / "broken.mif"
    path.write_bytes(BROKEN)
    db = mifkit.parse(path)
    assert not db.ok
    first = db.diagnostics[0]
    assert (first.message, first.source_line, first.readable_token) == (225, 5, "End Group")
    assert str(first) == "DMI0225  (File: 0 (5): 0: <End Group>) Syntax Error."
    assert mifkit.parse(BROKEN).diagnostics[0].text == first.text
    assert db.component.name == "Broken"
    assert db.group_data(1) == b""


@pytest.mark.parametrize("source, error, words", [
    ("no-such-file.mif", FileNotFoundError, "no-such-file.mif"),
    (".", IsADirectoryError, "."),
    (42, TypeError, "not int"),
    (None, TypeError, "not NoneType"),
    (b"no-such-file.mif", None, None),
])
def test_bad_sources_raise_the_usual_exceptions(tmp_path, monkeypatch, source, error, words):
    monkeypatch.chdir(tmp_path)
    if error is None:  # bytes are the file's contents, not a path
        assert not mifkit.parse(source).ok
        return
    with pytest.raises(error, match=words):
        mifkit.parse(source)


@pytest.mark.parametrize("call, words", [
    (lambda db: db.group_data("1"), "incompatible"),
    (lambda db: db.group_data(1, class_name=3), "class_name"),
    (lambda db: db.table_data(2, attributes=["1"]), "attribute IDs"),
    (lambda db: db.table_data(2, attributes=5), "not iterable"),
])
def test_bad_query_arguments_raise_type_error(call, words):
    with pytest.raises(TypeError, match=words):
        call(mifkit.parse(EXAMPLE))


def test_a_common_mistake_comes_with_its_hint_and_fix():
    # A plural keyword: the library's line stays as it is; the hint and the fix come beside it.
    source = b'Start Component\nName = "c"\nStart Paths\nEnd Paths\nEnd Component\n'
    (first,) = mifkit.parse(source).diagnostics
    assert first.text == "DMI0225  (File: 0 (3): 0: <s>) Syntax Error.\n"
    assert first.hint == 'write "Start Path"; this keyword has no plural'
    assert (first.fix.offset, first.fix.length, first.fix.replacement) == (37, 1, b"")
    assert first.fix.description == '"Start Paths" -> "Start Path"'
    assert all(d.hint is None and d.fix is None for d in mifkit.parse(HOST_FILES / "errors.mif").diagnostics)


def test_two_threads_parse_different_files_at_once():
    sources = {EXAMPLE: mifkit.parse(EXAMPLE).to_dict(),
               HOST_FILES / "table.mif": mifkit.parse(HOST_FILES / "table.mif").to_dict()}
    start = threading.Barrier(len(sources))
    results = {path: [] for path in sources}

    def parse_repeatedly(path):
        start.wait()
        for _ in range(50):
            results[path].append(mifkit.parse(path).to_dict())

    threads = [threading.Thread(target=parse_repeatedly, args=(path,)) for path in sources]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    for path, expected in sources.items():
        assert results[path] == [expected] * 50


def test_a_database_outlives_later_parses():
    first = mifkit.parse(EXAMPLE)
    second = mifkit.parse(HOST_FILES / "table.mif")
    assert first.group_data(1) != b"" and second.table_data(7) != b""
    assert first.component.name == "Example Network Adapter"


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
