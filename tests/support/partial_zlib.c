/* Exports only some of zlib's names, so the loader must refuse it. Never called. */
int deflateInit_(void* strm, int level, const char* version, int size) {
  (void)strm; (void)level; (void)version; (void)size;
  return -6;
}
int deflate(void* strm, int flush) {
  (void)strm; (void)flush;
  return -2;
}
