// The native part of the Python module: parses, diagnostics, the database as
// Python objects and the data blocks. mifkit/__init__.py builds the
// pleasant interface on it.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <vector>

#include "json/database_json.h"
#include "mifkit/parser.h"
#include "mifkit/version.h"
#include "python/json_to_python.h"

namespace py = pybind11;

namespace {

using mifkit::Database;
using mifkit::Diagnostic;
using mifkit::python::TextToPython;

// Parses without the GIL, so that threads parse in parallel: each Database
// has its own parser.
Database ParsePath(const std::string &path) {
    py::gil_scoped_release release;
    return Database::FromFile(path);
}

Database ParseBytes(const py::bytes &source, const std::string &name) {
    std::string bytes = source;  // copied while the GIL is held
    py::gil_scoped_release release;
    return Database::FromBuffer(bytes, {}, name);
}

py::bytes Block(const std::vector<unsigned char> &block) {
    return py::bytes(reinterpret_cast<const char *>(block.data()), block.size());
}

using Query = std::vector<unsigned char> (Database::*)(uint32_t, std::string_view,
                                                       const mifkit::AttributeFilter &) const;

// A data-block query; the class is given as its stored bytes.
auto DataBlock(Query query) {
    return [query](const Database &db, uint32_t id, const py::bytes &className,
                   const mifkit::AttributeFilter &attributes) {
        const std::string cls = className;
        return Block((db.*query)(id, cls, attributes));
    };
}

std::string DiagnosticLine(const Diagnostic &d) {
    const std::string &text = d.text;
    return !text.empty() && text.back() == '\n' ? text.substr(0, text.size() - 1) : text;
}

}  // namespace

PYBIND11_MODULE(_mifkit, m) {
    m.doc() = "The native part of mifkit: reads DMI Management Information Format files";
    m.attr("__version__") = MIFKIT_VERSION_STRING;

    py::class_<mifkit::Fix>(m, "Fix")
        .def_readonly("offset", &mifkit::Fix::offset)
        .def_readonly("length", &mifkit::Fix::length)
        .def_property_readonly("replacement", [](const mifkit::Fix &f) { return py::bytes(f.replacement); })
        .def_property_readonly("description", [](const mifkit::Fix &f) { return TextToPython(f.description); });

    py::class_<Diagnostic>(m, "Diagnostic")
        .def_readonly("message", &Diagnostic::message)
        .def_readonly("line", &Diagnostic::line)
        .def_readonly("third", &Diagnostic::third)
        .def_property_readonly("token", [](const Diagnostic &d) { return TextToPython(d.token); })
        .def_readonly("source_line", &Diagnostic::sourceLine)
        .def_property_readonly("readable_token", [](const Diagnostic &d) { return TextToPython(d.readableToken); })
        .def_property_readonly("text", [](const Diagnostic &d) { return TextToPython(d.text); })
        .def_property_readonly("hint", [](const Diagnostic &d) -> py::object {
            return d.hint ? py::object(TextToPython(*d.hint)) : py::object(py::none());
        })
        .def_property_readonly("fix", [](const Diagnostic &d) -> py::object {
            return d.fix ? py::cast(*d.fix) : py::object(py::none());
        })
        .def("__str__", [](const Diagnostic &d) { return TextToPython(DiagnosticLine(d)); })
        .def("__repr__", [](const Diagnostic &d) {
            return "<Diagnostic DMI0" + std::to_string(d.message) + " line " + std::to_string(d.sourceLine) + ">";
        });

    py::class_<Database>(m, "Database")
        .def_property_readonly("ok", &Database::ok)
        .def_property_readonly("status", &Database::status)
        .def_property_readonly("diagnostics", &Database::diagnostics)
        .def("to_dict", [](const Database &db) { return mifkit::python::ToPython(mifkit::DatabaseJson(db)); })
        .def("group_ids", &Database::groupIds)
        .def("group_data", DataBlock(&Database::groupData), py::arg("id"), py::arg("class_name"),
             py::arg("attributes"))
        .def("table_data", DataBlock(&Database::tableData), py::arg("id"), py::arg("class_name"),
             py::arg("attributes"));

    m.def("parse_path", &ParsePath, py::arg("path"));
    m.def("parse_bytes", &ParseBytes, py::arg("source"), py::arg("name"));
}
