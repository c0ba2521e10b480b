#pragma once

#include <string>
#include <string_view>

namespace glyph
{

class WarningSink;

/// Replaces the file at `path` with `bytes` so that a failure never leaves it half written or
/// lost: the bytes go to a new, uniquely named temporary file beside the target (created
/// exclusively, never through a planted link), are flushed and synced to disk, and the
/// temporary file is then renamed over the target and the folder synced. A symbolic link as
/// target is followed, so the file it points to is replaced; an existing target keeps its
/// permission bits (and its owner, where the process may give it). A target that exists but
/// is not a regular file (a folder, device, FIFO) or that this user may not write (a read-only
/// file, though its folder be writable) is never replaced. On any failure the
/// temporary file is removed, the target is left as it was and `error` (when given) receives
/// a one-line reason, in the language of `language` (English without one, as the tools print
/// it; the system's own text for the error code ends it).
enum class WriteResult {
    Written,
    /// No temporary file could be created beside the target (a missing or read-only folder),
    /// or the target is not a regular file, not writable by this user or a link chain too long
    /// to follow.
    NotCreated,
    /// The bytes could not all be written, synced or renamed into place.
    NotWritten,
};
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr,
                                WarningSink* language = nullptr);

} // namespace glyph
