// Where the page's windows go: the main window's whole enlargement, and the
// panels kept inside the viewport.

const CLIENT_WIDTH = 123;  // the main window's client area round the pond, CSS px
const CLIENT_HEIGHT = 121;
const GAP = 4;  // CSS px between the window and what is shown below it

// The layout viewport, CSS px: on a phone, window.innerWidth grows with any
// content that overflows it.
export const viewWidth = () => document.documentElement.clientWidth;
export const viewHeight = () => document.documentElement.clientHeight;

// Installed, or on a phone (a touch screen whose shorter side is narrow), the
// pond's 4-pixel cells are too small to see or to hit: there the client area
// grows by the largest whole factor that fits, so that cells stay whole
// pixels. A desktop tab stays as it is, and the browser's zoom enlarges it.
const standalone = matchMedia('(display-mode: standalone)');
const phone = matchMedia('(pointer: coarse) and (max-width: 480px), (pointer: coarse) and (max-height: 480px)');

// onZoom(factor): the client area's enlargement changed or may have. below:
// what the page shows under the window, which keeps its height.
export function watchEnlargement(onZoom, below = null) {
  const client = document.getElementById('main-client');
  const frame = document.getElementById('main-window');
  function layout() {
    // Full screen shows the pond alone, enlarged by full_screen.js.
    const enlarged = (standalone.matches || phone.matches) && !document.fullscreenElement;
    document.body.classList.toggle('phone', phone.matches && !standalone.matches);
    document.body.classList.toggle('enlarged', enlarged);
    let zoom = 1;
    client.style.zoom = '';
    if (enlarged) {
      // What the window draws round its client area, and what the page
      // shows below it, take their share first.
      const width = viewWidth() - frame.offsetLeft - (frame.offsetWidth - CLIENT_WIDTH);
      const height = viewHeight() - frame.offsetTop - (frame.offsetHeight - CLIENT_HEIGHT) -
          (below ? below.offsetHeight + GAP : 0);
      zoom = Math.max(1, Math.floor(Math.min(width / CLIENT_WIDTH, height / CLIENT_HEIGHT)));
    }
    client.style.zoom = zoom === 1 ? '' : String(zoom);
    if (below) below.style.top = enlarged ? `${frame.offsetTop + frame.offsetHeight + GAP}px` : '';
    onZoom(zoom);
  }
  for (const query of [standalone, phone]) query.addEventListener('change', layout);
  window.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', layout);
  layout();
}

// Moves a shown panel back inside the viewport where its place would put it
// past the right or bottom edge, and shrinks one that is wider than it all.
export function keepInside(panel) {
  panel.style.left = panel.style.top = panel.style.zoom = '';
  let rect = panel.getBoundingClientRect();
  const factor = Math.min(1, viewWidth() / rect.width);
  if (factor < 1) {
    panel.style.zoom = String(factor);
    rect = panel.getBoundingClientRect();
  }
  // A zoomed element's offsets are in its own, zoomed, pixels.
  if (rect.right > viewWidth()) panel.style.left = `${Math.max(0, viewWidth() - rect.width) / factor}px`;
  if (rect.bottom > viewHeight()) panel.style.top = `${Math.max(0, viewHeight() - rect.height) / factor}px`;
}
