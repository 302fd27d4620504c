// A JSON document as the Python objects json.loads would give.
#pragma once

#include <nlohmann/json.hpp>
#include <pybind11/pybind11.h>

namespace mifkit::python {

pybind11::object ToPython(const nlohmann::ordered_json &json);

// UTF-8 text as a str; bytes that are not UTF-8 (a token of an 8-bit source)
// become U+FFFD rather than an exception.
pybind11::str TextToPython(const std::string &text);

}  // namespace mifkit::python
