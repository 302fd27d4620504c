"""Each Database has its own parser: threads parse different files at once."""
import threading

import mifkit
from conftest import EXAMPLE, HOST_FILES


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
