"""Where the tests find the build's tool and C library, and the sample files.

ctest passes MIFKIT_TOOL and MIFKIT_LIBRARY; PYTHONPATH names the build's
package folder.
"""
import os
import pathlib
import subprocess

import pytest

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]
EXAMPLE = SOURCE_DIR / "examples" / "network_adapter.mif"
HOST_FILES = SOURCE_DIR / "tests" / "host"

# Every value type at its limits, an overlay, Unknown, and enumerations both
# named and declared inside an attribute, one value matching no element.
EVERY_TYPE = r'''Start Component Name = "Every Type"
Start Enum Name = "Kind" Type = Integer 1 = "Disk" 2 = "Tape" End Enum
Start Group Name = "Values" Class = "Test|Values|001" ID = 1
Start Attribute Name = "Counter" ID = 1 Type = Counter Value = 4294967295 End Attribute
Start Attribute Name = "Gauge" ID = 2 Type = Gauge Value = 7 End Attribute
Start Attribute Name = "Integer" ID = 3 Type = Integer Value = -2147483648 End Attribute
Start Attribute Name = "Counter64" ID = 4 Type = Counter64 Value = 0xFFFFFFFFFFFFFFFF End Attribute
Start Attribute Name = "Integer64" ID = 5 Type = Integer64 Value = -9223372036854775808 End Attribute
Start Attribute Name = "Octets" ID = 6 Type = OctetString(4) Value = "ab" End Attribute
Start Attribute Name = "Display" ID = 7 Type = DisplayString(32) Value = "say \"hi\"" End Attribute
Start Attribute Name = "Date" ID = 8 Type = Date Value = "19970301120000.000000+000" End Attribute
Start Attribute Name = "Named" ID = 9 Type = "Kind" Value = "Tape" End Attribute
Start Attribute Name = "Own" ID = 10 Type = Start Enum 5 = "five" 6 = "six" End Enum Value = 6 End Attribute
Start Attribute Name = "Overlaid" ID = 11 Type = DisplayString(16) Value = *"SerialOverlay" End Attribute
Start Attribute Name = "Unknown" ID = 12 Type = Integer Value = Unknown End Attribute
Start Attribute Name = "Unmatched" ID = 13 Type = "Kind" Value = 9 End Attribute
End Group
End Component
'''


@pytest.fixture
def tool() -> str:
    return os.environ["MIFKIT_TOOL"]


@pytest.fixture
def every_type(tmp_path: pathlib.Path) -> pathlib.Path:
    path = tmp_path / "every_type.mif"
    path.write_text(EVERY_TYPE, encoding="latin-1")
    return path


def run_tool(tool: str, *args: str) -> subprocess.CompletedProcess:
    return subprocess.run([tool, *args], capture_output=True, check=False)
