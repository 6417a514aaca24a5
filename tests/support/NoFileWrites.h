#pragma once

// While it lives, no file of this process can grow: every write to the disk fails, as on a full
// or read-only disk, also for root.
class NoFileWrites {
public:
    NoFileWrites();
    ~NoFileWrites();
    NoFileWrites(const NoFileWrites&) = delete;
    NoFileWrites& operator=(const NoFileWrites&) = delete;

private:
    unsigned long long m_previousLimit;
};
