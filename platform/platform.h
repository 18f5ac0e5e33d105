#ifndef PLATFORM_PLATFORM_H
#define PLATFORM_PLATFORM_H

class SystemInfo;
class DiskInterface;
class ProcessRunner;
class ProfileFiles;
class Spooler;
class Shell;

// Everything the program asks of the system, handed to the application object at start.
struct Platform {
  SystemInfo* system;
  DiskInterface* disk;
  ProcessRunner* processes;
  ProfileFiles* profiles;
  Spooler* spooler;
  Shell* shell;
};

#endif
