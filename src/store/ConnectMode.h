#pragma once

// How a connection may touch its database.
enum class ConnectMode {
    Read = 1,      // the engine refuses every write
    ReadWrite = 3,
};
