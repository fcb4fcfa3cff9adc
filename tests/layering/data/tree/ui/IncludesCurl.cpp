// Planted: downloads through curl.
#include <curl/curl.h>
