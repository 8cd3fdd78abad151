// Read-modify-write of a whole file under an exclusive lock, replaced atomically: the one way
// the record files and the roster are changed, so that two editions, or two classroom machines
// on one shared folder, lose no change.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zelkon {

/// Builds the new bytes of a file from its current ones.
using FileEdit = std::function<std::string(std::string_view current)>;

/// Locks the file at the filesystem path (flock, exclusive), reads it, hands its bytes to
/// `edit` and replaces it atomically with the result while the lock is held; a result equal to
/// the current bytes writes nothing. With `create` a missing file is made (empty, then edited);
/// without it a missing file is left missing and counts as success. False with a reason when
/// the file cannot be locked, read or written; the file is then unchanged.
bool UpdateFileLocked(const std::string &fsPath,
                      bool create,
                      const FileEdit &edit,
                      std::string *error = nullptr);

} // namespace zelkon
