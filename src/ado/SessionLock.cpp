#include "ado/SessionLock.h"

#include "ado/ConnectionCore.h"

namespace tramvel::ado {
namespace {

constexpr const char* kSource = "ADODB.Connection";

std::string UnicodeLiteral(std::string_view text) {
  std::string out = "N'";
  for (const char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

}  // namespace

// SQL Server: a time-out of 0 answers at once; a result below 0 means the
// lock is held elsewhere (-1) or could not be granted.
bool Engine::AcquireSessionLock(std::string_view resource, ErrorList& errors) {
  const std::string batch = "DECLARE @r int\r\nEXEC @r = sp_getapplock @Resource = " + UnicodeLiteral(resource) +
                            ", @LockMode = 'Exclusive', @LockOwner = 'Session', @LockTimeout = 0\r\nSELECT @r";
  const std::unique_ptr<RowSource> rows = Execute(batch, {}, errors);
  if (!rows) return false;
  std::vector<Variant> values;
  Variant identity;
  return rows->Next(values, identity, errors) && !values.empty() && values[0].ToInteger() >= 0;
}

void Engine::ReleaseSessionLock(std::string_view resource, ErrorList& errors) {
  Execute("EXEC sp_releaseapplock @Resource = " + UnicodeLiteral(resource) + ", @LockOwner = 'Session'", {}, errors);
}

bool Connection::AcquireSessionLock(std::string_view resource) {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  ErrorList errors;
  const bool held = core_->engine->AcquireSessionLock(resource, errors);
  core_->Raise(std::move(errors));
  return held;
}

void Connection::ReleaseSessionLock(std::string_view resource) {
  if (!core_->Open()) return;
  ErrorList errors;  // a lock that cannot be released goes with the session
  core_->engine->ReleaseSessionLock(resource, errors);
}

std::unique_ptr<SessionLock> SessionLock::TryAcquire(Connection& connection, std::string resource) {
  if (!connection.AcquireSessionLock(resource)) return nullptr;
  return std::make_unique<SessionLock>(Granted{}, connection, std::move(resource));
}

SessionLock::~SessionLock() { connection_.ReleaseSessionLock(resource_); }

}  // namespace tramvel::ado
