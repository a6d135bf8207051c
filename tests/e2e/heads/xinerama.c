// A stand-in for libXinerama.so.1: reports the heads listed in TARNIX_HEADS
// ("WxH+X+Y,WxH+X+Y"), so that Wine sees several monitors on one X screen.
typedef struct {
  int screen_number;
  short x_org, y_org, width, height;
} XineramaScreenInfo;

void* malloc(__SIZE_TYPE__);
char* getenv(const char*);

static const char* Number(const char* s, int* out) {
  int v = 0, sign = 1;
  if (*s == '-') sign = -1, ++s;
  while (*s >= '0' && *s <= '9') v = v * 10 + (*s++ - '0');
  *out = sign * v;
  return s;
}

int XineramaQueryExtension(void* display, int* event_base, int* error_base) {
  (void)display;
  *event_base = *error_base = 0;
  return getenv("TARNIX_HEADS") != 0;
}

int XineramaIsActive(void* display) { return XineramaQueryExtension(display, &(int){0}, &(int){0}); }

XineramaScreenInfo* XineramaQueryScreens(void* display, int* count) {
  (void)display;
  const char* s = getenv("TARNIX_HEADS");
  *count = 0;
  if (!s) return 0;
  XineramaScreenInfo* heads = malloc(16 * sizeof *heads);
  if (!heads) return 0;
  while (*s && *count < 16) {
    int w, h, x, y;
    s = Number(s, &w);
    if (*s++ != 'x') break;
    s = Number(s, &h);
    if (*s != '+' && *s != '-') break;
    s = Number(s + (*s == '+'), &x);
    if (*s != '+' && *s != '-') break;
    s = Number(s + (*s == '+'), &y);
    heads[*count] = (XineramaScreenInfo){*count, (short)x, (short)y, (short)w, (short)h};
    ++*count;
    if (*s == ',') ++s;
  }
  return heads;
}
