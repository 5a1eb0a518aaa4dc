var live_kind=livekindvr,live_every=liveeveryvr*1000,live_address="livefilevr",live_print=[livehashvr,livesizevr];
var live_most=1048576,live_mostMessages=1000,live_deepest=8;
var live_kept=["b","strong","i","em","u","s","small","sub","sup","code","mark"];
var live_dropped=["script","style","iframe","frame","frameset","object","embed","applet","noscript","noframes","noembed","template","textarea","select","svg","math","head","title","audio","video","canvas","img","xmp","plaintext"];
var live_inline=["a","span","font","abbr","acronym","cite","dfn","kbd","samp","var","time","big","tt","q","label","bdi","bdo","data","ins","del","strike","nobr","wbr"];
var live_schemes=["http:","https:","mailto:","ftp:"];
var live_step=dotrans,live_firstLayout=initte2,live_cmShow=null;
var live_laidOut=false,live_pending=null,live_shownKey=null,live_shownPrint=live_print;
var live_due=0,live_timer=null,live_fetched=null,live_inFlight=false,live_warned=false;
var live_boundary=null,live_boundaryTimer=null;
function live_now(){
	return new Date().getTime();
}
function live_warn(reason){
	if(live_warned||!window.console||!console.warn){
		return;
	}
	live_warned=true;
	console.warn("News box: "+live_address+" was not taken ("+reason+"); the box keeps the messages it shows.");
}
function live_tooLarge(){
	return new Error("it is larger than 1 MiB");
}
function live_body(response){
	var declared=Number(response.headers.get("Content-Length")),reader,parts=[],total=0;
	if(declared>live_most){
		if(response.body){
			response.body.cancel();
		}
		return Promise.reject(live_tooLarge());
	}
	if(!response.body||!response.body.getReader){
		return response.arrayBuffer().then(function(buffer){
			if(buffer.byteLength>live_most){
				throw live_tooLarge();
			}
			return new Uint8Array(buffer);
		});
	}
	reader=response.body.getReader();
	function more(){
		return reader.read().then(function(part){
			var bytes,at=0,i;
			if(part.done){
				bytes=new Uint8Array(total);
				for(i=0;i<parts.length;i++){
					bytes.set(parts[i],at);
					at=at+parts[i].length;
				}
				return bytes;
			}
			total=total+part.value.length;
			if(total>live_most){
				reader.cancel();
				throw live_tooLarge();
			}
			parts.push(part.value);
			return more();
		});
	}
	return more();
}
function live_load(){
	var address=new URL(live_address,location.href).href;
	return fetch(address,{cache:"no-store",credentials:"same-origin"}).then(function(response){
		if(!response.ok){
			throw new Error("the server answered "+response.status);
		}
		return live_body(response).then(function(bytes){
			return {bytes:bytes,address:response.url||address};
		});
	});
}
function live_fingerprint(bytes){
	var hash=2166136261,i;
	for(i=0;i<bytes.length;i++){
		hash=Math.imul(hash^bytes[i],16777619)>>>0;
	}
	return [hash,bytes.length];
}
function live_own(object,name){
	return Object.prototype.hasOwnProperty.call(object,name);
}
function live_isObject(value){
	return value!==null&&typeof value=="object"&&!Array.isArray(value);
}
function live_string(message,name,number){
	var value=live_own(message,name)?message[name]:"";
	if(typeof value!="string"){
		throw new Error("the "+name+" of message "+number+" is not a text");
	}
	return value;
}
function live_clean(node,depth,into){
	var child,name,kept;
	for(child=node.firstChild;child;child=child.nextSibling){
		if(child.nodeType==3){
			into.push(child.data);
			continue;
		}
		if(child.nodeType!=1){
			continue;
		}
		name=child.localName;
		if(child.namespaceURI!="http://www.w3.org/1999/xhtml"||live_dropped.indexOf(name)>=0){
			continue;
		}
		if(name=="br"){
			into.push({t:"br",c:[]});
		}else if(live_kept.indexOf(name)>=0&&depth<live_deepest){
			kept={t:name,c:[]};
			live_clean(child,depth+1,kept.c);
			into.push(kept);
		}else if(live_inline.indexOf(name)>=0||live_kept.indexOf(name)>=0){
			live_clean(child,depth,into);
		}else{
			into.push(" ");
			live_clean(child,depth,into);
			into.push(" ");
		}
	}
	return into;
}
function live_text(text){
	if(!/[<&]/.test(text)){
		return [text];
	}
	return live_clean(new DOMParser().parseFromString("<!DOCTYPE html><body>"+text,"text/html").body,0,[]);
}
function live_link(link,base){
	var url;
	if(!/[^ \t\n\f\r]/.test(link)){
		return "";
	}
	try{
		url=new URL(link,base);
	}catch(error){
		return "";
	}
	if(live_schemes.indexOf(url.protocol)<0){
		return "";
	}
	return url.href.replace(/['"\\]/g,function(character){
		return "%"+character.charCodeAt(0).toString(16).toUpperCase();
	});
}
function live_target(target){
	target=target.replace(/^[ \t\n\v\f\r]+|[ \t\n\v\f\r]+$/g,"");
	return target=="_self"?"_parent":target;
}
function live_messages(file,base){
	var list,message,messages=[],i;
	if(!live_isObject(file)||file.version!==1||!Array.isArray(file.messages)){
		throw new Error("it is not an object with the version 1 and a list of messages");
	}
	list=file.messages;
	if(list.length<1||list.length>live_mostMessages){
		throw new Error("it holds "+list.length+" messages, not 1 to "+live_mostMessages);
	}
	for(i=0;i<list.length;i++){
		message=list[i];
		if(!live_isObject(message)){
			throw new Error("message "+(i+1)+" is not an object");
		}
		messages.push({
			title:live_string(message,"title",i+1),
			text:live_text(live_string(message,"text",i+1)),
			link:live_link(live_string(message,"link",i+1),base),
			target:live_target(live_string(message,"target",i+1))
		});
	}
	return messages;
}
function live_take(file){
	var print=live_fingerprint(file.bytes),text,messages,key;
	if(print.join()==live_shownPrint.join()){
		live_pending=null;
		return;
	}
	try{
		text=new TextDecoder("utf-8",{fatal:true}).decode(file.bytes);
	}catch(error){
		throw new Error("it is not UTF-8");
	}
	try{
		messages=JSON.parse(text);
	}catch(error){
		throw new Error("it is not JSON");
	}
	messages=live_messages(messages,file.address);
	key=JSON.stringify(messages);
	if(key===live_shownKey){
		live_shownPrint=print;
		live_pending=null;
		return;
	}
	live_pending={messages:messages,key:key,print:print};
	live_requestSwap();
}
function live_arm(delay){
	clearTimeout(live_timer);
	live_timer=setTimeout(live_fetch,delay);
}
function live_fetch(){
	live_timer=null;
	if(document.hidden||live_inFlight){
		return;
	}
	live_inFlight=true;
	live_fetched=live_load().then(live_take).then(function(){
		live_warned=false;
	},function(error){
		live_warn(error&&error.message?error.message:"it could not be fetched");
	}).then(function(){
		live_inFlight=false;
		live_due=live_now()+live_every;
		if(!document.hidden){
			live_arm(live_every);
		}
	});
}
function live_visibility(){
	if(document.hidden){
		clearTimeout(live_timer);
		live_timer=null;
	}else if(live_timer===null&&!live_inFlight){
		live_arm(Math.max(0,live_due-live_now()));
	}
}
function live_start(){
	live_due=live_now();
	live_visibility();
}
function live_escaped(text){
	return text.replace(/&/g,"&amp;").replace(/</g,"&lt;").replace(/>/g,"&gt;");
}
function live_markup(nodes){
	var html="",i,node;
	for(i=0;i<nodes.length;i++){
		node=nodes[i];
		if(typeof node=="string"){
			html=html+live_escaped(node);
		}else if(node.t=="br"){
			html=html+"<br>";
		}else{
			html=html+"<"+node.t+">"+live_markup(node.c)+"</"+node.t+">";
		}
	}
	return html;
}
function live_append(into,nodes){
	var i,node,element;
	for(i=0;i<nodes.length;i++){
		node=nodes[i];
		if(typeof node=="string"){
			into.appendChild(document.createTextNode(node));
		}else{
			element=document.createElement(node.t);
			live_append(element,node.c);
			into.appendChild(element);
		}
	}
}
function live_setData(messages){
	var i;
	titlea=[];
	texta=[];
	linka=[];
	trgfrma=[];
	heightarr=[];
	cyposarr=[];
	for(i=0;i<messages.length;i++){
		titlea.push(live_escaped(messages[i].title));
		texta.push(live_markup(messages[i].text));
		linka.push(messages[i].link);
		trgfrma.push(messages[i].target);
		cyposarr.push(i);
	}
	mc=messages.length;
}
function live_skeleton(i,copy){
	var hover=live_kind==2?","+copy:"";
	return (copy?divtextb2:divtextb)+i+divtev1+i+hover+divtev2+i+hover+divtev3+i+divtev4+divtexts+"<div id=\"hgd"+(copy?"z":"")+i+"\""+ns6span+"><br></div></div>";
}
function live_fill(messages){
	var copies=live_kind==2?2:1,copy,i,parts,holder,list,title,into;
	for(copy=0;copy<copies;copy++){
		parts=[];
		for(i=0;i<mc;i++){
			parts.push(live_skeleton(i,copy));
		}
		holder=document.createElement("div");
		holder.innerHTML=parts.join("");
		list=document.createDocumentFragment();
		for(i=0;i<mc;i++){
			title=holder.firstChild.firstChild;
			title.insertBefore(document.createTextNode(messages[i].title),title.firstChild);
			live_append(holder.firstChild,messages[i].text);
			list.appendChild(holder.firstChild);
		}
		into=document.getElementById(live_kind==1||live_kind==3?"spagens":copy?"enuzun2":"enuzun");
		into.textContent="";
		into.appendChild(list);
	}
}
function live_measure(){
	var i;
	for(i=0;i<mc;i++){
		heightarr[i]=document.getElementById("d"+i).offsetHeight;
	}
}
function live_place(element,top){
	if(typeof lm_top=="function"){
		lm_top(element).top=top+"px";
	}else{
		element.style.top=top+"px";
	}
}
function live_layColumns(){
	var top=pstopvr3,i,copy,message;
	psy=new Array();
	for(i=0;i<mc;i++){
		for(copy=0;copy<2;copy++){
			message=document.getElementById((copy?"dz":"d")+i);
			if(message){
				message.style.visibility="visible";
				message.style.top=top+"px";
			}
		}
		psy[top]=3;
		top=top+heightarr[i]+prgspacevr8;
	}
	toplay=top;
	uzunobj.style.height=toplay+"px";
	uzuntop=live_kind==0?tichvr6:0;
	live_place(uzunobj,uzuntop);
	if(live_kind==2){
		uzunobj2.style.height=toplay+"px";
		live_place(uzunobj2,toplay<tichvr6?toplay:tichvr6);
	}
}
function live_layOut(){
	var i,message;
	if(live_kind==3){
		for(i=0;i<mc;i++){
			document.getElementById("d"+i).style.top=(tichvr6+200)+"px";
		}
		say=0;
		enson=0;
		hidson=0;
		hidsay=-1;
	}else if(live_kind==1){
		uzuntop=pstopvr3;
		dahayok=true;
		for(i=0;i<mc;i++){
			message=document.getElementById("d"+i);
			message.style.visibility="visible";
			message.style.left=psleftvr1+"px";
			live_place(message,uzuntop+i*tichvr6);
		}
	}else{
		live_layColumns();
	}
}
function live_adopt(set){
	live_shownKey=set.key;
	live_shownPrint=set.print;
	live_setData(set.messages);
	live_fill(set.messages);
	if(typeof fit_setWidth=="function"&&fit_area){
		fit_setWidth(fit_width);
	}
	if(typeof acc_decorate=="function"&&acc_frame){
		acc_decorate();
	}
	if(live_laidOut){
		live_measure();
		live_layOut();
	}
}
function live_compositor(){
	return typeof cm_able!="undefined"&&cm_able&&!cm_fallen;
}
function live_still(){
	return typeof acc_still!="undefined"&&acc_still;
}
function live_replan(time){
	var wait;
	if(live_kind==3){
		wait=cm_plan.wait;
		live_step();
		cm_over=null;
		cm_base=time;
		cm_buildPages(wait);
		cm_show();
		return;
	}
	wait=cm_waitAfter(uzuntop);
	cm_base=time;
	if(cm_build(wait)){
		cm_show();
	}else{
		cm_fallFrom(wait);
	}
}
function live_swapNow(time){
	var set=live_pending;
	live_pending=null;
	live_adopt(set);
	if(live_laidOut&&live_compositor()&&cm_plan){
		live_replan(time);
	}
}
function live_passed(before){
	if(live_kind==1){
		return mc==0||(uzuntop!=before&&dahayok);
	}
	return uzuntop>before;
}
function live_dotrans(){
	var before=live_kind==3?0:uzuntop,swaps=live_pending!==null&&live_laidOut&&!live_compositor()&&!live_still();
	if(swaps&&live_kind==3){
		live_swapNow(0);
	}
	live_step();
	if(swaps&&live_kind!=3&&live_passed(before)){
		live_swapNow(0);
	}
}
function live_nextBoundary(){
	var motion=cm_motion(),at,step,w,next,time,wait,n;
	if(live_kind==3){
		at=cm_pageAt(motion);
		return {time:at.time+cm_plan.wait};
	}
	step=cm_step(motion);
	w=step.w;
	time=step.time;
	wait=step.wait;
	for(n=0;n<=cm_plan.steps;n++){
		time=time+wait;
		next=cm_next(w);
		if(live_kind==1?cm_stop(next):next>w){
			return {time:time};
		}
		w=next;
		wait=cm_waitAfter(w);
	}
	return null;
}
function live_armBoundary(){
	clearTimeout(live_boundaryTimer);
	live_boundaryTimer=null;
	if(live_pending===null||!live_laidOut||!live_compositor()||!cm_plan||cm_halt||lm_held()||live_still()){
		return;
	}
	live_boundary=live_nextBoundary();
	if(live_boundary===null){
		live_swapNow(cm_motion());
		return;
	}
	live_boundaryTimer=setTimeout(live_atBoundary,Math.max(0,Math.ceil(live_boundary.time-cm_motion())));
}
function live_atBoundary(){
	live_boundaryTimer=null;
	if(live_pending===null||!live_compositor()||!cm_plan||cm_halt||lm_held()||live_still()){
		return;
	}
	if(cm_motion()<live_boundary.time){
		live_armBoundary();
		return;
	}
	live_swapNow(live_boundary.time);
}
function live_requestSwap(){
	if(!live_laidOut){
		live_swapNow(0);
	}else if(live_still()){
		acc_restore();
		live_swapNow(live_compositor()&&cm_plan?cm_motion():0);
		acc_layOutStill();
	}else{
		live_armBoundary();
	}
}
function live_initte2(){
	live_laidOut=true;
	live_firstLayout();
}
function live_cmShown(){
	live_cmShow();
	live_armBoundary();
}
if(window.fetch&&window.Promise&&window.DOMParser&&window.URL&&window.TextDecoder&&document.addEventListener){
	dotrans=live_dotrans;
	initte2=live_initte2;
	if(typeof cm_show=="function"){
		live_cmShow=cm_show;
		cm_show=live_cmShown;
	}
	window.addEventListener("load",live_start,false);
	document.addEventListener("visibilitychange",live_visibility,false);
}
