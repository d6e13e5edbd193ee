#include "osmira/archive/object_tags.h"

#include <algorithm>

namespace osmira {

void ObjectTagWriter::writeNewObject(ByteWriter& out, const std::string& className) {
    auto known = std::find_if(classIndices_.begin(), classIndices_.end(),
                              [&className](const auto& entry) { return entry.first == className; });
    if (known == classIndices_.end()) {
        out.U16(tags::kNewClass);
        out.U16(tags::kSchema);
        out.U16(static_cast<std::uint16_t>(className.size()));
        out.raw(className);
        classIndices_.emplace_back(className, counter_++);
    } else if (known->second < tags::kBigIndex) {
        out.U16(static_cast<std::uint16_t>(tags::kClassFlag | known->second));
    } else {
        out.U16(tags::kBigIndex);
        out.U32(tags::kBigClassFlag | known->second);
    }
    ++counter_;
}

const std::string* ObjectTagReader::readNewObject(ByteReader& in, const std::vector<std::string>& allowed) {
    std::size_t at = in.position();
    std::uint16_t tag = 0;
    if (!in.U16(tag)) {
        return nullptr;
    }
    const std::string* className = nullptr;
    if (tag == tags::kNewClass) {
        className = readDescription(in);
    } else if (tag == tags::kBigIndex) {
        std::uint32_t big = 0;
        if (!in.U32(big)) {
            return nullptr;
        }
        if (!(big & tags::kBigClassFlag)) {
            in.fail("Referencia repetida a un objeto en el byte " + std::to_string(at) + ".");
            return nullptr;
        }
        className = describedClass(in, big & ~tags::kBigClassFlag, at);
    } else if (tag & tags::kClassFlag) {
        className = describedClass(in, tag & ~tags::kClassFlag, at);
    } else {
        in.fail(std::string(tag == 0 ? "Referencia nula" : "Referencia repetida a un objeto") +
                " en el byte " + std::to_string(at) + ".");
        return nullptr;
    }
    if (!className) {
        return nullptr;
    }
    if (std::find(allowed.begin(), allowed.end(), *className) == allowed.end()) {
        in.fail("Objeto de clase " + *className + " inesperado en el byte " + std::to_string(at) + ".");
        return nullptr;
    }
    ++counter_;
    return className;
}

const std::string* ObjectTagReader::readDescription(ByteReader& in) {
    std::size_t at = in.position();
    std::uint16_t schema = 0;
    std::uint16_t length = 0;
    std::string name;
    if (!in.U16(schema) || !in.U16(length) || !in.raw(length, name)) {
        return nullptr;
    }
    if (schema != tags::kSchema) {
        in.fail("Esquema " + std::to_string(schema) + " de la clase " + name + " no admitido (byte " +
                std::to_string(at) + ").");
        return nullptr;
    }
    return &(classNames_[counter_++] = name);
}

const std::string* ObjectTagReader::describedClass(ByteReader& in, std::uint32_t classIndex, std::size_t at) {
    auto known = classNames_.find(classIndex);
    if (known == classNames_.end()) {
        in.fail("Clase " + std::to_string(classIndex) + " no descrita en el byte " + std::to_string(at) +
                ".");
        return nullptr;
    }
    return &known->second;
}

} // namespace osmira
