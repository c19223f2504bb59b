// Inside the program, for the probe: its WriteFile calls fail as on a full disk once a number of
// bytes has been written, so that the tests can fill the disk in the middle of a save without
// privileges to mount a small file system.
#pragma once

namespace probe {

// From now on, the program's writes take `bytes` more bytes in all and then fail with
// ERROR_DISK_FULL; a negative count lets every write through again. False if the program's
// import of WriteFile could not be redirected.
bool FailWritesAfter(long long bytes);

}  // namespace probe
