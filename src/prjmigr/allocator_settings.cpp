// jemalloc's settings for this program, read as it starts; the MALLOC_CONF
// environment variable still goes over them. Linked only with jemalloc.
//
// Transparent huge pages for the heap: a large run grows its heap by tens of
// MiB, and taking it 2 MiB at a time rather than 4 KiB spares the system most
// of the page faults (about a tenth of the run's time on a virtual machine)
// for a few MiB more at the peak.
extern "C" {
extern const char* malloc_conf;
const char* malloc_conf = "thp:always,metadata_thp:always";
}
