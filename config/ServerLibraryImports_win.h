// The server library's three operations as Velmarsec.dll exports them: by ordinal only
// (100, 210, 421). The names below exist only at link time; the import library maps them
// to their ordinals, so any Velmarsec.dll with those ordinals can take the stand-in's place.
#pragma once

#include <windows.h>

#ifdef VELMARSEC_BUILDING
#define VELMARSEC_API extern "C" __declspec(dllexport)
#else
#define VELMARSEC_API extern "C" __declspec(dllimport)
#endif

// Ordinal 100: fills the 3524-byte domain record for a host name.
VELMARSEC_API int WINAPI VelmarDomainLookup(char* domainRecord, const char* hostName);
// Ordinal 210: fills the 1340-byte user record for a user id of a domain.
VELMARSEC_API int WINAPI VelmarUserLookup(char* userRecord, const char* domainRecord, const char* userId);
// Ordinal 421: fills the 480-byte member buffer of an alias or list of a host.
VELMARSEC_API int WINAPI VelmarAliasLookup(const char* hostName, const char* name, char* members, int reserved);
