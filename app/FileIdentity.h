#pragma once

// What a file on disk is at one moment, as one stat shows it: whether it exists, its size, its
// modification time to the nanosecond and its inode. Two identities that differ mean that the
// file was changed, replaced or removed in between; reading it is never needed to tell.

#include <QString>

#include <cstdint>

namespace varlo {

struct FileIdentity {
    bool exists = false;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;

    // Follows symbolic links: a page shows the link's target.
    static FileIdentity of(const QString& path);

    bool operator==(const FileIdentity&) const = default;
};

} // namespace varlo
