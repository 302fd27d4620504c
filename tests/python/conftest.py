"""Where the tests find the build's tool and C library, and the sample files.

ctest passes MIFKIT_TOOL and MIFKIT_LIBRARY; PYTHONPATH names the build's
package folder.
"""
import os
import pathlib
import subprocess

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]
EXAMPLE = SOURCE_DIR / "examples" / "network_adapter.mif"
HOST_FILES = SOURCE_DIR / "tests" / "host"

# Every value type at its limits, an enumeration value matching no element,
# a string without a value, Unsupported and Unknown.
EVERY_TYPE = SOURCE_DIR / "tests" / "query" / "every_type.mif"


def run_tool(*args: str) -> subprocess.CompletedProcess:
    return subprocess.run([os.environ["MIFKIT_TOOL"], *args], capture_output=True, check=False)
