// Full screen: the pond's inner area alone on black, at the form's largest
// whole factor of device pixels that fits, centred on whole device pixels.
import {POND_HEIGHT, POND_WIDTH} from './pond.js';

export function watchFullScreen(button, container, canvas, pond, fittingFactor) {
  button.hidden = !container.requestFullscreen;
  button.addEventListener('click', () => container.requestFullscreen().catch(console.warn));
  function place() {
    const ratio = window.devicePixelRatio || 1;
    const [width, height] = [container.clientWidth * ratio, container.clientHeight * ratio].map(Math.round);
    const factor = document.fullscreenElement === container ? fittingFactor(width, height) : 0;
    const css = (device) => `${Math.floor(device) / ratio}px`;
    canvas.style.cssText = factor ? `left: ${css((width - POND_WIDTH * factor) / 2)}; top: ${
      css((height - POND_HEIGHT * factor) / 2)}; width: ${css(POND_WIDTH * factor)}; height: ${css(POND_HEIGHT * factor)}` : '';
    pond.setFullScreen(factor);
    if (factor) canvas.focus();  // the command's button is gone: the pond takes its keys
  }
  document.addEventListener('fullscreenchange', place);
  window.addEventListener('resize', place);
}
