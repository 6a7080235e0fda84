#pragma once

#include <filesystem>

namespace vorlane {

// `modemPresent`: whether the machine can reach the network, that is, whether a network
// interface other than the loopback is up. `interfaces` is the kernel's list of interfaces.
bool modemPresent(const std::filesystem::path& interfaces = "/sys/class/net");

}  // namespace vorlane
