"""The records of a parsed MIF file as small read-only objects.

They are made from the same document as Database.to_dict() (the shape of
`mifkit dump`), so the two never disagree. Values are int, str or None; an
enumeration value is an EnumValue, a value given as an overlay an Overlay.
"""
from __future__ import annotations

from dataclasses import dataclass
from typing import Any, Dict, List, Optional, Union


@dataclass(frozen=True)
class EnumValue:
    """An enumeration value: its number and its element's text (None when no element has the number)."""

    value: int
    text: Optional[str]


@dataclass(frozen=True)
class Overlay:
    """A value the instrumentation supplies through the named overlay."""

    name: str


Value = Union[int, str, EnumValue, Overlay, None]

# An enumeration's element is the same pair: its number and its text.
Element = EnumValue


@dataclass(frozen=True)
class Enumeration:
    name: Optional[str]
    elements: List[Element]


@dataclass(frozen=True)
class PathEntry:
    os: str
    path: Optional[str]
    direct_interface: bool


@dataclass(frozen=True)
class Path:
    name: Optional[str]
    entries: List[PathEntry]


@dataclass(frozen=True)
class Attribute:
    id: int
    name: Optional[str]
    description: Optional[str]
    access: Optional[str]
    storage: str
    type: Optional[str]
    size: Optional[int]
    enumeration: Optional[str]
    elements: List[Element]
    value: Value
    unknown: bool
    pragma: Optional[str]


@dataclass(frozen=True)
class Group:
    name: Optional[str]
    class_name: Optional[str]
    id: Optional[int]
    keys: List[int]
    description: Optional[str]
    pragma: Optional[str]
    attributes: List[Attribute]


@dataclass(frozen=True)
class Table:
    name: Optional[str]
    class_name: Optional[str]
    id: int
    columns: int
    rows: List[List[Value]]


@dataclass(frozen=True)
class Component:
    name: Optional[str]
    description: Optional[str]
    pragma: Optional[str]
    paths: List[Path]
    enumerations: List[Enumeration]
    groups: List[Group]
    tables: List[Table]


def _elements(items: List[Dict[str, Any]]) -> List[Element]:
    return [Element(e["value"], e["text"]) for e in items]


def _value(json: Any) -> Value:
    if isinstance(json, dict):
        if "overlay" in json:
            return Overlay(json["overlay"])
        return EnumValue(json["value"], json.get("text"))
    return json


def _attribute(json: Dict[str, Any]) -> Attribute:
    value = Overlay(json["overlay"]) if "overlay" in json else _value(json.get("value"))
    return Attribute(
        id=json["id"], name=json["name"], description=json.get("description"), access=json.get("access"),
        storage=json["storage"], type=json.get("type"), size=json.get("size"),
        enumeration=json.get("enumeration"), elements=_elements(json.get("elements", [])), value=value,
        unknown=json.get("unknown", False), pragma=json.get("pragma"))


def group_of(json: Dict[str, Any]) -> Group:
    return Group(
        name=json["name"], class_name=json["class"], id=json.get("id"), keys=json.get("keys", []),
        description=json.get("description"), pragma=json.get("pragma"),
        attributes=[_attribute(a) for a in json["attributes"]])


def _table(json: Dict[str, Any]) -> Table:
    return Table(name=json["name"], class_name=json["class"], id=json["id"], columns=json["columns"],
                 rows=[[_value(cell) for cell in row] for row in json["rows"]])


def _path(json: Dict[str, Any]) -> Path:
    return Path(json["name"], [PathEntry(e["os"], e.get("path"), e.get("directInterface", False))
                               for e in json["entries"]])


def component_of(json: Dict[str, Any]) -> Component:
    return Component(
        name=json["name"], description=json.get("description"), pragma=json.get("pragma"),
        paths=[_path(p) for p in json["paths"]],
        enumerations=[Enumeration(e["name"], _elements(e["elements"])) for e in json["enumerations"]],
        groups=[group_of(g) for g in json["groups"]], tables=[_table(t) for t in json["tables"]])
