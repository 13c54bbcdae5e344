// Resource ids shared by tollandra.rc and the program. Read by both windres
// and the C++ compiler, so it holds nothing but plain #defines.
#ifndef TOLLANDRA_RESOURCES_RESOURCE_H_
#define TOLLANDRA_RESOURCES_RESOURCE_H_

// The introduction's title bitmap, loaded by this number, and the same at
// twice the size for screens of 150 % and more.
#define IDB_TITLE 101
#define IDB_TITLE_LARGE 102

#endif  // TOLLANDRA_RESOURCES_RESOURCE_H_
