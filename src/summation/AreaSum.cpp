#include "AreaSum.h"

#include "Command.h"
#include "Connection.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "SourceSchema.h"

// The passes live in AreaSumHotel.cpp, AreaSumTourUnit.cpp and AreaSumTallix.cpp.

AreaSum::AreaSum() = default;
AreaSum::~AreaSum() = default;

void AreaSum::OpenSourceConnection()
{
    connection_ = std::make_unique<DbConnection>();
    connection_->Mode = ConnectMode::Read;
    command_ = std::make_unique<Command>();
    recordset_ = std::make_unique<Recordset>();
    if (!connection_->IsOpen())
        connection_->Open(Connection::StatConnectionString());
    command_->ActiveConnection = connection_.get();
}

void AreaSum::CloseSourceConnection()
{
    if (recordset_ && recordset_->IsOpen())
        recordset_->Close();
    if (connection_ && connection_->IsOpen())
        connection_->Close();
    recordset_.reset();
    command_.reset();
    connection_.reset();
}

void AreaSum::OpenRecordset(const QString& sql)
{
    command_->CommandText = sql;
    if (recordset_->IsOpen())
        recordset_->Close();
    try {
        // A scan holds one row at a time, not the whole country's returns.
        recordset_->Open(command_->CommandText, *command_->ActiveConnection, Recordset::Cursor::Forward);
    } catch (const DatabaseError& e) {
        throw SourceSchema::Explained(e);
    }
}

void AreaSum::Report(const RunProgress& progress, int done, int total)
{
    // Often enough for a responsive cancel, seldom enough to cost nothing.
    if (progress && done % 512 == 0 && !progress(done, total))
        throw RunCancelled();
}
