// What RegGetValueW makes of a stored value under a type restriction, for the
// registries that are not Windows' own (the Linux store, the tests' in-memory
// one), so that they answer as the real registry does.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/os/registry.h"

namespace quenby {

// RegGetValueW's answer for a stored value under a type restriction:
// - sz: REG_SZ text, terminated even when it was stored without its null;
//   REG_EXPAND_SZ too, with %NAME% replaced by the environment variable's value
//   (a name that is not set stays as it stands), as RegGetValueW does without
//   RRF_NOEXPAND;
// - dword: REG_DWORD data as it is stored, whatever its length;
// - anything else: unsupportedType.
// The data then goes out as copyOut hands it over; a null `size` asks for nothing.
os::RegStatus getRestricted(os::RegRestrict restrict, os::RegType type, std::vector<std::uint8_t> data,
                            void* buffer, std::uint32_t* size);

// Hands the data over the way the Reg* calls do: the size alone for a null
// buffer, moreData with the size needed for a buffer of `size` bytes that is too
// small. `size` is then the data's length.
os::RegStatus copyOut(std::span<const std::uint8_t> data, void* buffer, std::uint32_t& size);

} // namespace quenby
