"""The Python package's build step: CMake builds the native module, which is
then copied where setuptools packs it. The version is CMake's project
version, the one place it is written."""
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent


def project_version() -> str:
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(mifkit VERSION ([0-9.]+)", text).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext: Extension) -> None:
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                        "-DMIFKIT_BUILD_TESTS=OFF", "-DMIFKIT_BUILD_BENCH=OFF", "-DMIFKIT_BUILD_PYTHON=ON",
                        f"-DPython3_EXECUTABLE={sys.executable}"], check=True)
        subprocess.run(["cmake", "--build", str(build), "--target", "mifkit_python", "-j2"], check=True)
        built = next((build / "python" / "mifkit").glob("_mifkit*.so"))
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built, target)


setup(version=project_version(), ext_modules=[Extension("mifkit._mifkit", sources=[])],
      cmdclass={"build_ext": CMakeBuild}, options={"build": {"build_base": "build-python"}})
