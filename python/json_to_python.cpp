#include "python/json_to_python.h"

namespace mifkit::python {

namespace py = pybind11;

py::str TextToPython(const std::string &text) {
    return py::reinterpret_steal<py::str>(
        PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace"));
}

py::object ToPython(const nlohmann::ordered_json &json) {
    using Json = nlohmann::ordered_json;
    switch (json.type()) {
    case Json::value_t::object: {
        py::dict dict;
        for (const auto &[key, value] : json.items()) dict[py::str(key)] = ToPython(value);
        return std::move(dict);
    }
    case Json::value_t::array: {
        py::list list;
        for (const Json &item : json) list.append(ToPython(item));
        return std::move(list);
    }
    case Json::value_t::string: return TextToPython(json.get_ref<const std::string &>());
    case Json::value_t::boolean: return py::bool_(json.get<bool>());
    case Json::value_t::number_unsigned: return py::int_(json.get<uint64_t>());
    case Json::value_t::number_integer: return py::int_(json.get<int64_t>());
    case Json::value_t::number_float: return py::float_(json.get<double>());
    default: return py::none();
    }
}

}  // namespace mifkit::python
