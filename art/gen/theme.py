"""The palette and the few shapes every picture shares."""

# Graphite surfaces, darkest first.
INK = "#0f1012"
BASE = "#16171a"
PANEL = "#1c1e22"
RAISED = "#24272c"
RIDGE = "#2e3137"
EDGE = "#3a3e45"
SHEEN = "#4a4f58"
MUTED = "#7d838d"
LIGHT = "#c9cdd3"
WHITE = "#ffffff"

# The menu colours: item red and selected red, plus a brighter glow for lit parts.
RED_DARK = "#6f2929"
RED = "#8f2020"
RED_HOT = "#d23a32"
RED_GLOW = "#ff5a4a"

# Filled by the program itself behind lists and edit fields.
LIST_FILL = "#282828"
# The title bars of every window: one flat colour, so shared buttons fit all of them.
TITLE = "#121315"

FONT = "DejaVu Sans"
