"""The inventory example: CSV rows of every value under a directory, and the
files that do not parse reported on stderr."""
import csv
import io
import shutil
import subprocess
import sys

from conftest import EXAMPLE, HOST_FILES, SOURCE_DIR

SCRIPT = SOURCE_DIR / "examples" / "python" / "inventory.py"


def test_inventory_of_a_directory(tmp_path):
    shutil.copy(EXAMPLE, tmp_path / "adapter.mif")
    (tmp_path / "nested").mkdir()
    shutil.copy(HOST_FILES / "syntax.mif", tmp_path / "nested" / "broken.MIF")
    (tmp_path / "notes.txt").write_text("not a MIF file")
    run = subprocess.run([sys.executable, str(SCRIPT), str(tmp_path)], capture_output=True, text=True,
                         check=False)
    assert run.returncode == 1
    rows = list(csv.reader(io.StringIO(run.stdout)))
    assert rows[0] == ["file", "component", "class", "row", "attribute", "value"]
    assert len(rows) == 1 + 4 + 3 * 4
    adapter = str(tmp_path / "adapter.mif")
    assert [adapter, "Example Network Adapter", "DMTF|ComponentID|001", "", "Serial Number",
            "*SerialNumberOverlay"] in rows
    assert [adapter, "Example Network Adapter", "Example|Port|002", "2", "Link", "Down"] in rows
    (line,) = run.stderr.splitlines()
    assert line.startswith(str(tmp_path / "nested" / "broken.MIF") + ": DMI0")
