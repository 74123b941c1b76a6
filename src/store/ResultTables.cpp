#include "ResultTables.h"

#include "Connection.h"

namespace ResultTables {

void Replace(const std::function<void()>& write)
{
    Connection::ClearResultTables();
    try {
        write();
    } catch (...) {
        try {
            Connection::ClearResultTables();
        } catch (...) {
            // the first failure is the one worth reporting
        }
        throw;
    }
}

} // namespace ResultTables
