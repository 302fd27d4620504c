"""mifkit: reads DMI Management Information Format (MIF) files.

    db = mifkit.parse("adapter.mif")      # a path, or the file's bytes
    if not db.ok:
        for d in db.diagnostics: print(d)
    for group in db.component.groups: ...

A file that does not parse is no exception: its Database has ok == False and
the diagnostics. Each Database has its own parser, and a parse releases the
GIL, so threads parse in parallel.
"""
from __future__ import annotations

import os
from typing import Any, Dict, Iterable, List, Optional, Union

from . import _mifkit
from ._mifkit import Diagnostic, Fix
from .records import (Attribute, Component, Element, Enumeration, EnumValue, Group, Overlay, Path,
                      PathEntry, Table, Value, component_of, group_of)

__version__: str = _mifkit.__version__
__all__ = ["parse", "Database", "Diagnostic", "Fix", "Attribute", "Component", "Element", "Enumeration", "EnumValue",
           "Group", "Overlay", "Path", "PathEntry", "Table", "Value", "__version__"]

Source = Union[str, "os.PathLike[str]", bytes, bytearray, memoryview]


def parse(source: Source, name: str = "(buffer)") -> "Database":
    """Parses a MIF file given by its path, or its bytes (then `name` stands for it in messages)."""
    if isinstance(source, (bytes, bytearray, memoryview)):
        return Database(_mifkit.parse_bytes(bytes(source), name))
    if isinstance(source, (str, os.PathLike)):
        path = os.fspath(source)
        if not isinstance(path, str):
            raise TypeError("mifkit.parse: a path must be text, not bytes; pass the file's contents as bytes")
        # A Python caller expects the usual OSError for a file it cannot open,
        # not a parse that failed.
        with open(path, "rb"):
            pass
        return Database(_mifkit.parse_path(path))
    raise TypeError(f"mifkit.parse: expected a path (str or os.PathLike) or bytes, not {type(source).__name__}")


def _class_bytes(class_name: Union[str, bytes, None]) -> bytes:
    if class_name is None:
        return b""
    if isinstance(class_name, str):
        return class_name.encode("utf-16-be") + b"\0\0"  # as the database stores a literal
    if isinstance(class_name, (bytes, bytearray)):
        return bytes(class_name)
    raise TypeError(f"class_name must be str, bytes or None, not {type(class_name).__name__}")


def _attribute_ids(attributes: Optional[Iterable[int]]) -> Optional[List[int]]:
    if attributes is None:
        return None
    ids = list(attributes)
    for i in ids:
        if not isinstance(i, int) or isinstance(i, bool):
            raise TypeError(f"attribute IDs must be int, not {type(i).__name__}")
    return ids


class Database:
    """The database of one parsed MIF file."""

    def __init__(self, native: _mifkit.Database) -> None:
        self._native = native
        self._document: Optional[Dict[str, Any]] = None

    def __repr__(self) -> str:
        return f"<mifkit.Database ok={self.ok} status={self.status}>"

    @property
    def ok(self) -> bool:
        """True when the file parsed without a problem."""
        return self._native.ok

    @property
    def status(self) -> int:
        """0, or the parse's status (525 unreadable, 11 byte-swapped UTF-16, 1 syntax error, ...)."""
        return self._native.status

    @property
    def diagnostics(self) -> List[Diagnostic]:
        return self._native.diagnostics

    def _json(self) -> Dict[str, Any]:
        if self._document is None:
            self._document = self._native.to_dict()
        return self._document

    def to_dict(self) -> Dict[str, Any]:
        """The whole database in the shape of `mifkit dump`'s JSON (a fresh copy)."""
        return self._native.to_dict()

    @property
    def language(self) -> Optional[str]:
        return self._json()["language"]

    @property
    def component(self) -> Optional[Component]:
        """The component, or None when the file declares none."""
        json = self._json()["component"]
        return component_of(json) if json is not None else None

    @property
    def top_level_groups(self) -> List[Group]:
        """The groups declared outside the component."""
        return [group_of(g) for g in self._json()["topLevelGroups"]]

    def group_ids(self) -> List[int]:
        """The IDs of the component's groups, then of its tables."""
        return self._native.group_ids()

    def group_data(self, id: int = 0, class_name: Union[str, bytes, None] = None,
                   attributes: Optional[Iterable[int]] = None) -> bytes:
        """The data block of a group found by ID (unless 0) or class, as the C GetGroupData writes it.

        b"" when nothing matches or the parse failed. `class_name` as text, or its stored UTF-16BE bytes.
        """
        return self._native.group_data(id, _class_bytes(class_name), _attribute_ids(attributes))

    def table_data(self, id: int = 0, class_name: Union[str, bytes, None] = None,
                   attributes: Optional[Iterable[int]] = None) -> bytes:
        """The data block of a table, as the C GetTableData writes it."""
        return self._native.table_data(id, _class_bytes(class_name), _attribute_ids(attributes))
