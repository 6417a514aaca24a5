#pragma once

// From now on no file of this process can grow: every write to the disk fails, as on a full or
// read-only disk, also for root. Copies of the program get it before they start.
void forbidFileWrites();

// While it lives, no file of this process can grow.
class NoFileWrites {
public:
    NoFileWrites();
    ~NoFileWrites();
    NoFileWrites(const NoFileWrites&) = delete;
    NoFileWrites& operator=(const NoFileWrites&) = delete;

private:
    unsigned long long m_previousLimit;
};
