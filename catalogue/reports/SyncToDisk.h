#pragma once

class QFileDevice;

namespace catalogue {

enum class SyncResult { Synced, DiskFull, Failed };

// Flushes a written file's data from the system's cache to the disk. Some
// file systems tell only here that the disk was full.
SyncResult syncToDisk(QFileDevice& file);

} // namespace catalogue
