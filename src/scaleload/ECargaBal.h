#pragma once

#include <stdexcept>
#include <string>

namespace mvf {

// A load that cannot be generated as asked (no folder, no products); the message is for the user.
class ECargaBal : public std::runtime_error {
public:
    explicit ECargaBal(const std::string& message) : std::runtime_error(message) {}
};

} // namespace mvf
