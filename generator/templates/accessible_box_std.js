var acc_frame=null,acc_area=null,acc_button=null;
var acc_timer=null,acc_due=0,acc_left=0,acc_started=false;
var acc_paused=false,acc_focused=false,acc_still=false,acc_saved=null;
var acc_build=initte,acc_step=dotrans;
var acc_focusables="a,button,input,select,textarea,iframe,[tabindex],[contenteditable]";
function acc_now(){
	return new Date().getTime();
}
function acc_moving(){
	return !(acc_paused||acc_focused||acc_still);
}
function acc_light(){
	return typeof lm_active!="undefined"&&lm_active;
}
function acc_arm(delay){
	acc_due=acc_now()+delay;
	acc_timer=setTimeout(dotrans,delay);
}
function acc_update(){
	if(acc_light()){
		lm_hold("acc",!acc_moving());
	}else if(acc_moving()){
		if(acc_started&&acc_timer===null){
			acc_arm(acc_left);
		}
	}else if(acc_timer!==null){
		clearTimeout(acc_timer);
		acc_timer=null;
		acc_left=Math.max(0,acc_due-acc_now());
	}
	acc_label();
}
dotrans=function(){
	var plain=window.setTimeout;
	acc_timer=null;
	if(!acc_started){
		acc_started=true;
		if(acc_still){
			acc_layOutStill();
		}
	}
	if(acc_light()){
		acc_step();
		return;
	}
	if(!acc_moving()){
		acc_left=0;
		return;
	}
	window.setTimeout=function(next,delay){
		acc_due=acc_now()+delay;
		acc_timer=plain.call(window,next,delay);
		return acc_timer;
	};
	try{
		acc_step();
	}finally{
		window.setTimeout=plain;
	}
};
function acc_label(){
	var name=acc_paused?"Play news":"Pause news";
	if(acc_button===null){
		return;
	}
	acc_button.setAttribute("aria-label",name);
	acc_button.title=name;
	acc_button.innerHTML=acc_paused?"<svg viewBox=\"0 0 12 12\" aria-hidden=\"true\" focusable=\"false\"><path d=\"M2 1L11 6L2 11Z\"/></svg>":"<svg viewBox=\"0 0 12 12\" aria-hidden=\"true\" focusable=\"false\"><path d=\"M2 1H5V11H2ZM7 1H10V11H7Z\"/></svg>";
}
function acc_messages(){
	var list=[],i,message;
	for(i=0;i<mc;i++){
		message=document.getElementById("d"+i);
		if(message){
			list.push(message);
		}
	}
	return list;
}
function acc_columns(){
	var list=[],first=document.getElementById("enuzun"),second=document.getElementById("enuzun2");
	if(first){
		list.push(first);
	}
	if(second){
		list.push(second);
	}
	return list;
}
function acc_layOutStill(){
	var messages=acc_messages(),columns=acc_columns(),y=pstopvr3,i,message;
	acc_saved={overflow:acc_area.style.overflow,clip:acc_area.style.clip,messages:[],columns:[]};
	for(i=0;i<messages.length;i++){
		message=messages[i];
		acc_saved.messages.push([message.style.top,message.style.left,message.style.visibility,message.style.translate]);
		message.style.visibility="visible";
		message.style.translate="";
		message.style.top=y+"px";
		if(columns.length===0){
			message.style.left=psleftvr1+"px";
		}
		y=y+message.offsetHeight+prgspacevr8;
	}
	for(i=0;i<columns.length;i++){
		acc_saved.columns.push([columns[i].style.top,columns[i].style.display,columns[i].style.transform,columns[i].style.translate]);
		columns[i].style.transform="";
		columns[i].style.translate="";
		columns[i].style.top="0px";
		if(i>0){
			columns[i].style.display="none";
		}
	}
	acc_area.style.clip="auto";
	acc_area.style.overflow="auto";
	acc_area.tabIndex=0;
}
function acc_restore(){
	var messages=acc_messages(),columns=acc_columns(),i;
	for(i=0;i<messages.length&&i<acc_saved.messages.length;i++){
		messages[i].style.top=acc_saved.messages[i][0];
		messages[i].style.left=acc_saved.messages[i][1];
		messages[i].style.visibility=acc_saved.messages[i][2];
		messages[i].style.translate=acc_saved.messages[i][3];
	}
	for(i=0;i<columns.length&&i<acc_saved.columns.length;i++){
		columns[i].style.top=acc_saved.columns[i][0];
		columns[i].style.display=acc_saved.columns[i][1];
		columns[i].style.transform=acc_saved.columns[i][2];
		columns[i].style.translate=acc_saved.columns[i][3];
	}
	acc_area.style.overflow=acc_saved.overflow;
	acc_area.style.clip=acc_saved.clip;
	acc_area.removeAttribute("tabindex");
	acc_area.scrollTop=0;
	acc_saved=null;
}
function acc_setStill(still){
	if(still===acc_still){
		return;
	}
	acc_still=still;
	acc_unshift();
	if(acc_started){
		if(still){
			acc_layOutStill();
		}else{
			acc_restore();
		}
	}
	acc_button.style.display=still?"none":"";
	acc_update();
}
function acc_layers(){
	var columns=acc_columns();
	return columns.length>0?columns:acc_messages();
}
function acc_unshift(){
	var layers=acc_layers(),i;
	for(i=0;i<layers.length;i++){
		layers[i].style.transform="";
	}
}
function acc_bringIntoSight(element){
	var layers,shift,i,area,own;
	acc_unshift();
	acc_area.scrollTop=0;
	if(acc_still){
		return;
	}
	area=acc_area.getBoundingClientRect();
	own=element.getBoundingClientRect();
	if(own.top>=area.top&&own.bottom<=area.bottom){
		return;
	}
	shift=Math.round(area.top+pstopvr3-own.top);
	layers=acc_layers();
	for(i=0;i<layers.length;i++){
		layers[i].style.transform="translateY("+shift+"px)";
	}
}
function acc_message(element){
	while(element&&element!==acc_area){
		if(element.id&&/^dz?[0-9]+$/.test(element.id)){
			return element;
		}
		element=element.parentNode;
	}
	return null;
}
function acc_follows(i){
	var link=""+linka[i];
	return link.substring(0,11)=="javascript:"||link.length>3;
}
function acc_target(i){
	var target=""+trgfrma[i];
	if(target.indexOf("_parent")>-1){
		return "_parent";
	}
	if(target.indexOf("_top")>-1){
		return "_top";
	}
	return target==""?"_blank":target;
}
function acc_keepDefault(event){
	event.preventDefault();
}
function acc_link(message,i){
	var link;
	if(!message||!acc_follows(i)||message.querySelector(acc_focusables)){
		return;
	}
	link=document.createElement("a");
	link.href=""+linka[i];
	link.target=acc_target(i);
	link.className="acc_link";
	while(message.firstChild){
		link.appendChild(message.firstChild);
	}
	message.appendChild(link);
	link.addEventListener("click",acc_keepDefault,false);
}
function acc_hideCopies(){
	var copies=document.getElementById("enuzun2"),inside,i;
	if(!copies){
		return;
	}
	copies.setAttribute("aria-hidden","true");
	inside=copies.querySelectorAll(acc_focusables);
	for(i=0;i<inside.length;i++){
		inside[i].tabIndex=-1;
	}
}
function acc_decorate(){
	var i;
	for(i=0;i<mc;i++){
		acc_link(document.getElementById("d"+i),i);
		acc_link(document.getElementById("dz"+i),i);
	}
	acc_hideCopies();
}
function acc_focusIn(event){
	var message=acc_message(event.target);
	acc_focused=event.target!==acc_button;
	if(message){
		acc_bringIntoSight(message);
	}
	acc_update();
}
function acc_focusOut(event){
	if(event.relatedTarget&&acc_frame.contains(event.relatedTarget)){
		return;
	}
	acc_focused=false;
	acc_unshift();
	if(!acc_still){
		acc_area.scrollTop=0;
	}
	acc_update();
}
function acc_keyDown(event){
	if(event.key==="Escape"||event.keyCode===27){
		acc_paused=true;
		acc_update();
	}
}
function acc_toggle(){
	acc_paused=!acc_paused;
	acc_update();
}
function acc_scrolled(){
	if(!acc_still&&acc_area.scrollTop!==0){
		acc_area.scrollTop=0;
	}
}
function acc_addStyle(){
	var style=document.createElement("style");
	style.textContent="#spagensbrd .acc_play{position:absolute;z-index:1;accsidevr:2px;bottom:2px;width:22px;height:22px;margin:0;padding:0;border:1px solid #txtcolorvr11;border-radius:3px;background:#bgcolorstrvr9;color:#txtcolorvr11;cursor:pointer;line-height:0;}#spagensbrd .acc_play svg{width:12px;height:12px;fill:currentColor;}#spagensbrd a.acc_link{display:block;color:inherit;text-decoration:none;}#spagensbrd .acc_play:focus-visible,#spagensbrd a.acc_link:focus-visible,#spagens:focus-visible{outline:2px solid #txtcolorvr11;outline-offset:-2px;}";
	document.getElementsByTagName("head")[0].appendChild(style);
}
function acc_watchMotionPreference(){
	var query,changed;
	if(!window.matchMedia){
		return;
	}
	query=window.matchMedia("(prefers-reduced-motion: reduce)");
	changed=function(){
		acc_setStill(query.matches);
	};
	if(query.addEventListener){
		query.addEventListener("change",changed,false);
	}else if(query.addListener){
		query.addListener(changed);
	}
	changed();
}
function acc_setUp(){
	acc_frame=document.getElementById("spagensbrd");
	acc_area=document.getElementById("spagens");
	acc_addStyle();
	acc_frame.setAttribute("role","region");
	acc_frame.setAttribute("aria-label",document.title||"News");
	acc_button=document.createElement("button");
	acc_button.type="button";
	acc_button.className="acc_play";
	acc_button.onclick=acc_toggle;
	acc_label();
	acc_frame.insertBefore(acc_button,acc_area);
	acc_frame.addEventListener("focusin",acc_focusIn,false);
	acc_frame.addEventListener("focusout",acc_focusOut,false);
	acc_frame.addEventListener("keydown",acc_keyDown,false);
	acc_area.addEventListener("scroll",acc_scrolled,false);
	acc_watchMotionPreference();
}
window.onload=function(){
	acc_setUp();
	acc_build();
	acc_decorate();
};
